#pragma once

#include "app/DifferenceReportView.h"

#include <QDialog>

// Before "Вывод на СОМ-порт", when the option is on: what the write will change
// in the device. true: the operator chose "Передать".
class WritePreview {
public:
    virtual ~WritePreview() = default;
    virtual bool confirmSend(const DifferenceReport& report) = 0;
};

// The preview as a modal dialog: the heading, the list, the note, and the
// buttons "Передать" and "Отмена" (the default: Enter or Esc send nothing).
class WritePreviewDialog : public QDialog, public WritePreview {
public:
    explicit WritePreviewDialog(QWidget* parent);

    bool confirmSend(const DifferenceReport& report) override;

    QListWidget& list() { return view_->list(); }

private:
    DifferenceReportView* view_;
};
