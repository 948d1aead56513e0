#include "Form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace {

// Hands key presses to the window of their receiver first, when that window
// asked for key preview.
class KeyPreviewFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(watched);
        auto *form = qobject_cast<TForm *>(w->window());
        // Only once per key: at the widget that has the focus (or the window).
        if (!form || !form->KeyPreview || (w != QApplication::focusWidget() && w != form))
            return false;
        if (w == form && QApplication::focusWidget() &&
            form->isAncestorOf(QApplication::focusWidget()))
            return false;
        return form->PreviewKey(static_cast<QKeyEvent *>(event));
    }
};

} // namespace

void InstallKeyPreview() {
    static KeyPreviewFilter *filter = nullptr;
    if (!filter) {
        filter = new KeyPreviewFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

TForm::TForm(QWidget *parent) : QDialog(parent) {
    setLayoutDirection(Qt::RightToLeft);
    // Buttons are pressed by Enter only as the window's default button.
    setSizeGripEnabled(false);
    InstallKeyPreview();
}

void TForm::SetClientSize(int width, int height) {
    setFixedSize(width, height);
}

void TForm::CentreOnScreen() {
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

int TForm::ShowModal() {
    if (isVisible() && modalDepth == 0) {
        // A window already shown modelessly cannot become modal.
        throw std::runtime_error("Cannot make a visible window modal");
    }
    modalResult = mrNone;
    ++modalDepth;
    setWindowModality(Qt::ApplicationModal);
    const int r = exec();
    --modalDepth;
    setWindowModality(Qt::NonModal);
    return r;
}

void TForm::Show() {
    if (!isVisible()) {
        setWindowModality(Qt::NonModal);
        show();
    }
    raise();
    activateWindow();
}

void TForm::Close() {
    close();
}

void TForm::SetModalResult(int result) {
    modalResult = result;
    if (result != mrNone && modalDepth > 0)
        QMetaObject::invokeMethod(this, &TForm::CheckModalResult, Qt::QueuedConnection);
}

void TForm::CheckModalResult() {
    if (modalResult != mrNone && modalDepth > 0 && isVisible())
        done(modalResult);
}

void TForm::SetButtonModalResult(QAbstractButton *button, int result) {
    // Connected before the handler is, so the result is set when it runs.
    connect(button, &QAbstractButton::clicked, this, [this, result] { SetModalResult(result); });
}

void TForm::done(int result) {
    if (closing)
        return;
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) {
        modalResult = mrNone;
        return;
    }
    closing = true;
    modalResult = result;
    FormClose();
    QDialog::done(result);
    closing = false;
}

void TForm::reject() {
    done(mrCancel);
}
void TForm::accept() {
    done(mrOk);
}

void TForm::closeEvent(QCloseEvent *event) {
    event->ignore();
    if (isVisible())
        done(modalDepth > 0 && modalResult != mrNone ? modalResult : mrCancel);
}

void TForm::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm::hideEvent(QHideEvent *event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

bool TForm::PreviewKey(QKeyEvent *event) {
    bool handled = false;
    FormKeyDown(event, handled);
    if (handled)
        return true;
    QString text = event->text();
    if (event->key() == Qt::Key_Escape)
        text = QString(QChar(27));
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        text = QString(QChar(13));
    if (text.size() == 1) {
        QChar key = text.at(0);
        if (EscCloses && key == QChar(27)) {
            Close();
            return true;
        }
        FormKeyPress(key);
        if (key.isNull())
            return true;
    }
    return false;
}

void TForm::keyPressEvent(QKeyEvent *event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        if (CancelButton && CancelButton->isEnabled() && CancelButton->isVisible())
            CancelButton->click();
        // Without a cancel button Esc does nothing to the window.
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        auto *focus = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
        if (focus && isAncestorOf(focus))
            focus->click();
        else if (DefaultButton && DefaultButton->isEnabled() && DefaultButton->isVisible())
            DefaultButton->click();
        return;
    }
    default:
        QDialog::keyPressEvent(event);
    }
}
