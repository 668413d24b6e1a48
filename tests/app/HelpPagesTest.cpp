// The help pages against the program: the keys they name are keys the windows
// answer, the contents page names every key of a command, and every link
// leads to a page.

#include "app/HelpViewer.h"
#include "app/TForm1.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString Page(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Shortcuts(const QWidget& window) {
    QStringList keys;
    for (const QAction* action : window.findChildren<QAction*>())
        if (!action->shortcut().isEmpty())
            keys << action->shortcut().toString(QKeySequence::PortableText);
    return keys;
}

TEST(HelpPages, NameTheKeysTheProgramAnswersAndLinkOnlyToPages) {
    TForm1 form;
    form.NHelp1Click();
    const QStringList commandKeys = Shortcuts(form);
    const QStringList keys = commandKeys + Shortcuts(*form.help().helpWindow());
    const QRegularExpression key(R"(\b(F\d{1,2}|Ctrl\+[A-Z]|Alt\+[A-Za-z]+)\b)");
    const QRegularExpression link(R"re(href="([^"]+)")re");
    int pages = 0;
    for (QDirIterator it(":/help"); it.hasNext(); ++pages) {
        const QString path = it.next(), text = Page(path);
        for (const auto& match : key.globalMatch(text))
            EXPECT_TRUE(keys.contains(match.captured(1)))
                << qPrintable(path + " " + match.captured(1));
        for (const auto& match : link.globalMatch(text))
            EXPECT_FALSE(Page(":/help/" + match.captured(1)).isEmpty()) << qPrintable(path);
    }
    EXPECT_EQ(pages, 8);
    for (const QString& shortcut : commandKeys)
        EXPECT_TRUE(Page(":/help/3.html").contains(shortcut)) << qPrintable(shortcut);
}

} // namespace
