#pragma once
// The base of every window: modal results with the program's codes, a modal
// and a modeless show, a close that the window may refuse, key preview (the
// window sees key presses before its focused control), a default button that
// Enter presses and a cancel button that Esc presses, and lookup of a child
// by its composed name.

#include <QDialog>
#include <QPointer>

class QAbstractButton;
class QKeyEvent;

enum TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

class TForm : public QDialog {
    Q_OBJECT
public:
    explicit TForm(QWidget *parent = nullptr);

    // Shows the window modally and returns its modal result.
    int ShowModal();
    // A modeless show of the window (brought to the front if already shown).
    void Show();
    // Closes the window as its close box would, through the close query.
    void Close();
    bool IsModalShowing() const { return modalDepth > 0; }

    int ModalResult() const { return modalResult; }
    // Setting a modal result other than mrNone on a modal window closes it
    // once the handler that set it has returned, unless that handler sets it
    // back to mrNone first.
    void SetModalResult(int result);

    bool KeyPreview = false;
    // With key preview, Esc (27) closes the window.
    bool EscCloses = false;
    QPointer<QAbstractButton> DefaultButton; // pressed by Enter
    QPointer<QAbstractButton> CancelButton;  // pressed by Esc

    // Gives a button a modal result: pressing it sets the result before its
    // handler runs.
    void SetButtonModalResult(QAbstractButton *button, int result);

    template <class T> T *Find(const QString &name) const { return findChild<T *>(name); }

    void SetClientSize(int width, int height);
    // Places the window in the middle of the primary screen.
    void CentreOnScreen();

    // Called by the application's key filter before the focused control sees
    // a key press; returns true when the window has consumed it.
    bool PreviewKey(QKeyEvent *event);

protected:
    virtual void FormShow() {}
    virtual void FormHide() {}
    // Set canClose to false to refuse the close.
    virtual void FormCloseQuery(bool &canClose) { Q_UNUSED(canClose) }
    virtual void FormClose() {}
    // With KeyPreview on: a key that produces a character (Esc is 27, Enter
    // 13, Space 32). Set key to 0 to consume it.
    virtual void FormKeyPress(QChar &key) { Q_UNUSED(key) }
    // With KeyPreview on: any key; set handled to consume it.
    virtual void FormKeyDown(QKeyEvent *event, bool &handled) {
        Q_UNUSED(event)
        Q_UNUSED(handled)
    }

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

public:
    void done(int result) override;
    void reject() override;
    void accept() override;

private:
    void CheckModalResult();

    int modalResult = mrNone;
    int modalDepth = 0;
    bool closing = false;
};

// Installs the key-preview filter once for the whole application.
void InstallKeyPreview();
