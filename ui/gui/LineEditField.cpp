#include "ui/gui/LineEditField.h"

#include <QLineEdit>

std::string LineEditField::text() const {
    return edit_->text().toStdString();
}

void LineEditField::setText(const std::string& text) {
    edit_->setText(QString::fromStdString(text));
}

void LineEditField::setErrorColour(bool error) {
    QPalette palette = edit_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, error ? Qt::red : Qt::white);
    edit_->setPalette(palette);
}
