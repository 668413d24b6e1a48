#include "print/gui/CauseEffectWindow.h"

#include "print/CauseEffectTable.h"
#include "print/PrintTexts.h"
#include "print/ProtocolPdf.h"
#include "print/gui/PrintingSystem.h"
#include "ui/WholeFile.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace print_text;

namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Marks a block makes on the cause's behalf are greyed: the block's own
// combination decides whether they happen.
constexpr QColor kThroughColour{96, 96, 96};
constexpr QColor kOwnBackground{255, 255, 192};
constexpr int kColumnWidth = 88;

} // namespace

CauseEffectWindow::CauseEffectWindow(PrintingSystem& printing, QWidget* parent)
    : QWidget(parent, Qt::Window), printing_(printing) {
    setObjectName("CauseEffectWindow");
    setWindowTitle(Text(kTitleMatrix));
    auto* layout = new QVBoxLayout(this);
    hideEmpty_ = new QCheckBox(Text(kLabelHideEmpty), this);
    hideEmpty_->setObjectName("HideEmpty");
    connect(hideEmpty_, &QCheckBox::toggled, this, [this] { showOrHideEmpty(); });
    layout->addWidget(hideEmpty_);
    table_ = new QTableWidget(this);
    table_->setObjectName("MatrixTable");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    table_->setWordWrap(true);
    connect(table_->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int row) {
        if (rowChosen && row >= 0 && static_cast<std::size_t>(row) < matrix_.causes.size())
            rowChosen(matrix_.causes[static_cast<std::size_t>(row)].schemeRow);
    });
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { listCauses(column); });
    layout->addWidget(table_, 1);
    causes_ = new QLabel(Text(kHintChooseColumn), this);
    causes_->setObjectName("CausesList");
    causes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    causes_->setWordWrap(true);
    layout->addWidget(causes_);
    layout->addLayout(buildButtons());
    resize(kDefaultWidth, kDefaultHeight);
}

QLayout* CauseEffectWindow::buildButtons() {
    auto* bar = new QHBoxLayout;
    const auto add = [this, bar](const char* caption, auto action) {
        auto* button = new QPushButton(Text(caption), this);
        connect(button, &QPushButton::clicked, this, action);
        bar->addWidget(button);
    };
    add(kCaptionProtocolPdf, [this] {
        if (const QString path = askPath(kTextProtocolName, ".pdf", kFilterPdf); !path.isEmpty())
            saveProtocolPdf(path);
    });
    add(kCaptionProtocolCsv, [this] {
        if (const QString path = askPath(kTextProtocolName, ".csv", kFilterCsv); !path.isEmpty())
            saveProtocolCsv(path);
    });
    add(kCaptionPrintProtocol, [this] {
        if (const auto printer = printing_.newPrinter();
            printer && printing_.choose(*printer, this))
            PrintProtocol({protocol_}, *printer);
    });
    add(kCaptionMatrixCsv, [this] {
        if (const QString path = askPath(kTextMatrixName, ".csv", kFilterCsv); !path.isEmpty())
            saveMatrixCsv(path);
    });
    state_ = new QLabel(this);
    state_->setObjectName("SaveState");
    bar->addWidget(state_, 1);
    return bar;
}

void CauseEffectWindow::present(const SchemeFileData& scheme, const std::string& date,
                                const QString& file, const QString& proposedBase) {
    matrix_ = BuildCauseEffectMatrix(scheme);
    protocol_ = BuildProtocol(scheme, date, file.toStdString());
    proposedBase_ = proposedBase;
    fillTable();
}

void CauseEffectWindow::fillTable() {
    table_->clear();
    table_->setRowCount(static_cast<int>(matrix_.causes.size()));
    table_->setColumnCount(static_cast<int>(matrix_.effects.size()));
    for (std::size_t e = 0; e < matrix_.effects.size(); ++e) {
        const MatrixEffect& effect = matrix_.effects[e];
        table_->setHorizontalHeaderItem(
            static_cast<int>(e),
            new QTableWidgetItem(Text(effect.heading) + "\n" + Text(effect.name)));
    }
    for (std::size_t c = 0; c < matrix_.causes.size(); ++c) {
        table_->setVerticalHeaderItem(static_cast<int>(c),
                                      new QTableWidgetItem(Text(matrix_.causes[c].heading)));
        for (std::size_t e = 0; e < matrix_.effects.size(); ++e) {
            const std::vector<MatrixMark>& marks = matrix_.at(c, e);
            if (marks.empty())
                continue;
            auto* item = new QTableWidgetItem(Text(MarksText(marks, "\n")));
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(
                Text(matrix_.causes[c].heading + " → " + EffectTitle(matrix_.effects[e])));
            if (marks.front().through == 0)
                item->setBackground(kOwnBackground);
            else
                item->setForeground(kThroughColour);
            table_->setItem(static_cast<int>(c), static_cast<int>(e), item);
        }
    }
    table_->resizeRowsToContents();
    showOrHideEmpty();
    causes_->setText(Text(kHintChooseColumn));
}

void CauseEffectWindow::showOrHideEmpty() {
    const bool hide = hideEmpty_->isChecked();
    for (std::size_t c = 0; c < matrix_.causes.size(); ++c)
        table_->setRowHidden(static_cast<int>(c), hide && matrix_.causeEmpty(c));
    for (std::size_t e = 0; e < matrix_.effects.size(); ++e)
        table_->setColumnHidden(static_cast<int>(e), hide && matrix_.effectEmpty(e));
}

void CauseEffectWindow::listCauses(int effect) {
    if (effect < 0 || static_cast<std::size_t>(effect) >= matrix_.effects.size())
        return;
    const auto at = static_cast<std::size_t>(effect);
    QString text = Text(EffectTitle(matrix_.effects[at])) + ":";
    const std::vector<std::string> causes = CausesOf(matrix_, at);
    for (const std::string& cause : causes)
        text += "\n    " + Text(cause);
    if (causes.empty())
        text += " " + Text(kTextNoCauses);
    causes_->setText(text);
}

QString CauseEffectWindow::askPath(const char* name, const char* suffix, const char* filter) {
    QString path = QFileDialog::getSaveFileName(this, windowTitle(),
                                                proposedBase_ + Text(name) + suffix, Text(filter));
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

bool CauseEffectWindow::write(const QString& path, const QByteArray& bytes) {
    QString error;
    if (!WriteWholeFile(path, bytes, error)) {
        state_->setText(path + ": " + error);
        return false;
    }
    state_->setText(Text(kTextSavedTo).arg(path));
    return true;
}

bool CauseEffectWindow::saveProtocolPdf(const QString& path) {
    return write(path, ProtocolPdf({protocol_}));
}

bool CauseEffectWindow::saveProtocolCsv(const QString& path) {
    return write(path, CsvText(ProtocolGrid({protocol_})));
}

bool CauseEffectWindow::saveMatrixCsv(const QString& path) {
    return write(path, CsvText(MatrixGrid(matrix_)));
}
