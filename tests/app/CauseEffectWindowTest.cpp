// "Причины и действия" on the scheme on screen: read both ways, kept up with
// the scheme, rows and columns without marks hidden, the protocol saved.

#include "print/gui/CauseEffectWindow.h"
#include "app/MainWindow.h"
#include "support/ScratchDirectory.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

int RowHeaded(QTableWidget& table, const QString& heading) {
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.verticalHeaderItem(row)->text() == heading)
            return row;
    return -1;
}

int ColumnHeaded(QTableWidget& table, const QString& heading) {
    for (int column = 0; column < table.columnCount(); ++column)
        if (table.horizontalHeaderItem(column)->text().startsWith(heading + "\n"))
            return column;
    return -1;
}

// Scrolled to first: the window shows a part of a 24-08 matrix.
void ClickHeader(QTableWidget& table, Qt::Orientation orientation, int section) {
    QHeaderView& header =
        orientation == Qt::Vertical ? *table.verticalHeader() : *table.horizontalHeader();
    table.scrollTo(orientation == Qt::Vertical ? table.model()->index(section, 0)
                                               : table.model()->index(0, section));
    const int at = header.sectionViewportPosition(section) + header.sectionSize(section) / 2;
    const QPoint point = header.orientation() == Qt::Vertical ? QPoint(5, at) : QPoint(at, 5);
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, point);
}

TEST(CauseEffectWindow, ReadBothWaysFollowingTheScheme) {
    ScratchDirectory scratch;
    MainWindow form;
    form.show();
    ASSERT_TRUE(form.OpenSchemeFile(QString(VIL3K_SOURCE_ROOT) + "/examples/24-08.vil"));
    form.action(ActionId::CauseEffect)->trigger();
    auto* window = form.findChild<CauseEffectWindow*>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    QTableWidget& table = window->table();

    // A 24-08 scheme fits on a 1280 × 800 screen, the table scrolling.
    EXPECT_LE(window->frameGeometry().width(), 1280);
    EXPECT_LE(window->frameGeometry().height(), 800);
    EXPECT_GT(table.horizontalScrollBar()->maximum(), 0);
    const QString pictures = QCoreApplication::applicationDirPath() + "/../pictures";
    QDir().mkpath(pictures);
    EXPECT_TRUE(window->grab().toImage().save(pictures + "/cause-effect-24-08.png"));

    // A row's heading selects its row of the scheme.
    ClickHeader(table, Qt::Vertical, RowHeaded(table, "ФБ 3: ГСТ (вх. 4, не ФБ 2)"));
    EXPECT_EQ(form.model().SelectedFb, 2);
    ClickHeader(table, Qt::Vertical, RowHeaded(table, "Вход 26 «Осевой сдв» (НЗ)"));
    EXPECT_EQ(form.model().SelectedInput, 25);

    // A column's heading lists every cause of that output.
    ClickHeader(table, Qt::Horizontal, ColumnHeaded(table, "МР №2.2"));
    const QString causes = window->causesList().text();
    EXPECT_TRUE(causes.startsWith("МР №2.2 «Горелка»:\n")) << causes.toStdString();
    EXPECT_TRUE(causes.contains("\n    Вход 4 «Пожар» (НЗ): через ФБ 3\n"));
    EXPECT_TRUE(causes.contains("\n    ФБ 3: ГСТ (вх. 4, не ФБ 2): 20 с, бл"));

    // Rows and columns without marks hide.
    const int smoke = RowHeaded(table, "Вход 7 «Дым» (НР)");
    const int first = RowHeaded(table, "Вход 1 «Давл. газа» (НР)");
    window->hideEmpty().setChecked(true);
    EXPECT_TRUE(table.isRowHidden(smoke));
    EXPECT_FALSE(table.isRowHidden(first));
    for (int column = 0; column < table.columnCount(); ++column) {
        bool marked = false;
        for (int row = 0; row < table.rowCount(); ++row)
            marked = marked || table.item(row, column) != nullptr;
        EXPECT_EQ(table.isColumnHidden(column), !marked) << column;
    }

    // A change to the scheme shows at once, an undone one too.
    form.toggleContact(0);
    EXPECT_EQ(table.verticalHeaderItem(first)->text(), "Вход 1 «Давл. газа» (НЗ)");
    form.undoStep();
    EXPECT_EQ(table.verticalHeaderItem(first)->text(), "Вход 1 «Давл. газа» (НР)");

    // The protocol whole, or nothing with the reason.
    EXPECT_TRUE(window->saveProtocolPdf(scratch.file("p.pdf")));
    QFile pdf(scratch.file("p.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(window->saveProtocolCsv(scratch.file("p.csv")));
    EXPECT_FALSE(window->saveMatrixCsv(scratch.file("missing/m.csv")));
    EXPECT_TRUE(window->findChild<QLabel*>("SaveState")
                    ->text()
                    .startsWith(scratch.file("missing/m.csv") + ": "));
}

} // namespace
