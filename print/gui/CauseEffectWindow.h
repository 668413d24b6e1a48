#pragma once

#include "files/SchemeFile.h"
#include "print/AcceptanceProtocol.h"
#include "print/CauseEffectMatrix.h"

#include <QWidget>

#include <functional>
#include <string>

class PrintingSystem;
class QCheckBox;
class QLabel;
class QTableWidget;

// "Причины и действия": the matrix of the scheme on screen, read both ways. A
// row's heading chosen selects that row of the scheme; a column's heading
// chosen lists every cause of that output or cell below the table. Rows and
// columns without marks can be hidden. The acceptance-test protocol of the
// device is saved from here as PDF or CSV (whole or not at all), or printed.
class CauseEffectWindow : public QWidget {
    Q_OBJECT
public:
    CauseEffectWindow(PrintingSystem& printing, QWidget* parent);

    // The scheme to show; the protocol is dated `date` and names `file` (may be
    // empty). `proposedBase` is the path, without extension, the save dialogs start at.
    void present(const SchemeFileData& scheme, const std::string& date, const QString& file,
                 const QString& proposedBase);
    // A row's heading chosen: its scheme row (a slot, or 32 + block − 1).
    std::function<void(int schemeRow)> rowChosen;

    const CauseEffectMatrix& matrix() const { return matrix_; }
    QTableWidget& table() { return *table_; }
    QCheckBox& hideEmpty() { return *hideEmpty_; }
    QLabel& causesList() { return *causes_; }
    // The causes of the effect in column `effect`, listed below the table.
    void listCauses(int effect);
    bool saveProtocolPdf(const QString& path);
    bool saveProtocolCsv(const QString& path);
    bool saveMatrixCsv(const QString& path);
    // The window's default size fits a 1280 × 800 screen with its frame.
    static constexpr int kDefaultWidth = 1180;
    static constexpr int kDefaultHeight = 700;

private:
    QLayout* buildButtons();
    void fillTable();
    void showOrHideEmpty();
    QString askPath(const char* name, const char* suffix, const char* filter);
    bool write(const QString& path, const QByteArray& bytes);

    PrintingSystem& printing_;
    QTableWidget* table_ = nullptr;
    QCheckBox* hideEmpty_ = nullptr;
    QLabel* causes_ = nullptr;
    QLabel* state_ = nullptr;
    CauseEffectMatrix matrix_;
    AcceptanceProtocol protocol_;
    QString proposedBase_;
};
