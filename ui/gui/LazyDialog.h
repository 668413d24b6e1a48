#pragma once

#include <QDialog>

// A dialog made once at start-up whose contents are built when it is first shown:
// a window the run never opens costs little more than its own object. What reads
// or fills the contents before a show calls ensureBuilt() first.
class LazyDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    // Builds the contents, once.
    void ensureBuilt();
    bool isBuilt() const { return built_; }
    void setVisible(bool visible) override;

protected:
    // Makes the child widgets; window-level properties (name, title, flags) belong
    // in the constructor, so that they hold before any show.
    virtual void build() = 0;

private:
    bool built_ = false;
};
