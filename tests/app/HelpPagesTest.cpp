// The help pages against the program: the keys they name are the keys the
// windows answer, every key of a command is on the contents page, and every
// link leads to a page.

#include "app/HelpViewer.h"
#include "app/TForm1.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

QString Page(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> Shortcuts(const QWidget& window) {
    QSet<QString> keys;
    for (const QAction* action : window.findChildren<QAction*>())
        if (!action->shortcut().isEmpty())
            keys << action->shortcut().toString(QKeySequence::PortableText);
    return keys;
}

TEST(HelpPages, NameTheKeysTheProgramAnswersAndLinkOnlyToPages) {
    TForm1 form;
    form.NHelp1Click();
    const QSet<QString> mainKeys = Shortcuts(form);
    const QSet<QString> allKeys = mainKeys + Shortcuts(*form.help().helpWindow());
    form.help().helpWindow()->close();

    const QRegularExpression key(R"(\b(F\d{1,2}|Ctrl\+[A-Z]|Alt\+[A-Za-z]+)\b)");
    const QRegularExpression link(R"re(href="([^"]+)")re");
    QSet<QString> named;
    int pages = 0;
    for (QDirIterator it(":/help"); it.hasNext();) {
        const QString path = it.next();
        const QString text = Page(path);
        ++pages;
        for (const auto& match : key.globalMatch(text)) {
            EXPECT_TRUE(allKeys.contains(match.captured(1)))
                << path.toStdString() << " names " << match.captured(1).toStdString();
            named << match.captured(1);
        }
        for (const auto& match : link.globalMatch(text))
            EXPECT_FALSE(Page(":/help/" + match.captured(1)).isEmpty())
                << path.toStdString() << " links to " << match.captured(1).toStdString();
    }
    EXPECT_EQ(pages, 8);
    for (const QString& shortcut : mainKeys)
        EXPECT_TRUE(Page(":/help/3.html").contains(shortcut))
            << "the contents page does not name " << shortcut.toStdString();
    EXPECT_TRUE(named.contains("Ctrl+N"));
}

} // namespace
