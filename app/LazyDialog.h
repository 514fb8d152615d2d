#pragma once
// A dialog that builds its controls when it is first shown (or first asked for
// them), not when it is created at start.

#include <QDialog>

class LazyDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    // Builds the controls now if they are not yet.
    void EnsureBuilt() {
        if (built_)
            return;
        built_ = true;
        Build();
    }
    void setVisible(bool visible) override {
        if (visible)
            EnsureBuilt();
        QDialog::setVisible(visible);
    }

protected:
    virtual void Build() = 0;

private:
    bool built_ = false;
};
