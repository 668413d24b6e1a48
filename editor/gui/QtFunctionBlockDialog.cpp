#include "editor/gui/QtFunctionBlockDialog.h"

#include "editor/FunctionBlockTexts.h"
#include "editor/InputCommandTexts.h"
#include "model/ConfigurationModel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace editor_text;

namespace {

constexpr int kHysteresis = 5;
constexpr int kRowTop = 88, kRowStep = 26;
constexpr int kKindX = 214, kSourceX = 318, kNumberX = 432;
const char* const kTypeItems[] = {kItemFbType0, kItemFbType1, kItemFbType2,
                                  kItemFbType3, kItemFbType4, kItemFbType5};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    label->setWordWrap(true);
    return label;
}

// A selector as the entry routines see it: its text is its chosen item, which
// the error reaction leaves chosen; only its colour flashes.
class SelectorField : public EntryField {
public:
    explicit SelectorField(QComboBox* box) : box_(box) {}
    std::string text() const override { return box_->currentText().toStdString(); }
    void setText(const std::string&) override {}
    void setErrorColour(bool error) override {
        box_->setStyleSheet(error ? "background-color: red" : QString());
    }

private:
    QComboBox* box_;
};

} // namespace

QtFunctionBlockDialog::QtFunctionBlockDialog(ConfigurationModel& model, QWidget* parent)
    : CommandDialog("blockDialog", {498, 229}, parent), model_(model) {
    setWindowTitle(kCaptionFbDialog);
}

void QtFunctionBlockDialog::build() {
    // Laid out for the small dialog font: six type names and four input rows.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    buildHeader();
    buildTypeGroup();
    buildInputRows();
    okButton = new QPushButton(kButtonOk, this);
    okButton->setObjectName("okButton");
    okButton->setGeometry(404, 196, 75, 25);
    okButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &QDialog::close);
}

void QtFunctionBlockDialog::buildHeader() {
    modeLabel = makeLabel(this, "modeLabel", QString(), {8, 6, 100, 17});
    makeLabel(this, "blockCaptionLabel", kLabelFbNumber, {200, 6, 170, 17});
    blockNumberLabel = makeLabel(this, "blockNumberLabel", QString(), {372, 6, 40, 17});
    QFont bold = blockNumberLabel->font();
    bold.setBold(true);
    blockNumberLabel->setFont(bold);
    makeLabel(this, "inputsLabel", kLabelFbInputs, {200, 28, 290, 17});
    makeLabel(this, "kindLabel", kLabelFbInputKind, {kKindX, 50, 100, 34});
    makeLabel(this, "sourceLabel", kLabelFbInputSource, {kSourceX, 50, 110, 34});
    makeLabel(this, "numberLabel", kLabelFbInputNumber, {kNumberX - 6, 46, 64, 40});
}

void QtFunctionBlockDialog::buildTypeGroup() {
    typeGroup = new QGroupBox(kLabelFbType, this);
    typeGroup->setObjectName("typeGroup");
    typeGroup->setGeometry(6, 28, 190, 160);
    typeButtons = new QButtonGroup(this);
    for (int item = 0; item < 6; ++item) {
        auto* button = new QRadioButton(kTypeItems[item], typeGroup);
        button->setGeometry(6, 20 + 22 * item, 182, 20);
        typeButtons->addButton(button, item);
    }
    connect(typeButtons, &QButtonGroup::idClicked, this, &QtFunctionBlockDialog::typeChanged);
}

void QtFunctionBlockDialog::buildInputRows() {
    for (int k = 0; k < 4; ++k) {
        const int y = kRowTop + kRowStep * k;
        makeLabel(this, qPrintable(QString("Label%1").arg(5 + k)), QString::number(k + 1),
                  {202, y + 3, 10, 17});
        auto* kind = new QComboBox(this);
        kind->setObjectName(QString("kindBox%1").arg(k + 1));
        kind->addItems({kItemInverse, kItemDirect});
        kind->setGeometry(kKindX, y, 100, 22);
        auto* source = new QComboBox(this);
        source->setObjectName(QString("sourceBox%1").arg(k + 1));
        source->addItems({kItemDeviceInput, kItemBlockOutput});
        source->setGeometry(kSourceX, y, 108, 22);
        auto* number = new QLineEdit("00", this);
        number->setObjectName(QString("numberEdit%1").arg(k + 1));
        number->setMaxLength(2);
        number->setGeometry(kNumberX, y, 32, 22);
        new DigitFieldFilter(model_, *number, number);
        kind->installEventFilter(this);
        source->installEventFilter(this);
        kindBoxes[k] = kind;
        sourceBoxes[k] = source;
        numberEdits[k] = number;
    }
}

// A hysteresis block has two inputs: the last two number fields shut and read 0.
void QtFunctionBlockDialog::typeChanged(int type) {
    for (int k = 2; k < 4; ++k) {
        numberEdits[k]->setEnabled(type != kHysteresis);
        if (type == kHysteresis)
            numberEdits[k]->setText("0");
    }
}

void QtFunctionBlockDialog::exec(FbDialogData& data) {
    ensureBuilt();
    modeLabel->setText(data.creating ? kLabelFbCreating : kLabelFbCorrecting);
    blockNumberLabel->setText(QString::fromStdString(data.blockNumber));
    if (QAbstractButton* item = typeButtons->button(data.type))
        item->setChecked(true);
    for (int k = 0; k < 4; ++k) {
        const FbInputEntry& entry = data.inputs[k];
        kindBoxes[k]->setCurrentIndex(entry.kind);
        sourceBoxes[k]->setCurrentIndex(entry.source);
        numberEdits[k]->setText(QString::fromStdString(entry.number));
        numberEdits[k]->setEnabled(entry.enabled);
    }
    if (QAbstractButton* checked = typeButtons->checkedButton())
        checked->setFocus();
    QDialog::exec();
    data.type = typeButtons->checkedId();
    for (int k = 0; k < 4; ++k) {
        data.inputs[k].kind = kindBoxes[k]->currentIndex();
        data.inputs[k].source = sourceBoxes[k]->currentIndex();
        data.inputs[k].number = numberEdits[k]->text().toStdString();
    }
}

void QtFunctionBlockDialog::closeHandler() {
    if (QAbstractButton* first = typeButtons->button(0))
        first->setFocus();
    for (QLineEdit* edit : numberEdits)
        FillIfEmpty(*edit, "00");
}

bool QtFunctionBlockDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QComboBox*>(watched);
    if (box == nullptr || event->type() != QEvent::KeyPress)
        return CommandDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    SelectorField field(box);
    const int vk = VirtualKey(key->key(), key->modifiers() & Qt::KeypadModifier);
    switch (model_.FilterDigitKey(field, vk)) {
    case kKeyAccepted:
        return false;
    case kKeyEnter:
        FocusNextControl(*box);
        return true;
    default:
        return true;
    }
}
