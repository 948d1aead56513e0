#include "PersianKeyboard.h"

#include "Form.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QValidator>

namespace {

const QHash<QChar, QChar> &Layout() {
    static const QHash<QChar, QChar> map = [] {
        QHash<QChar, QChar> m;
        const QString latin = QStringLiteral("qwertyuiop[]asdfghjkl;'zxcvbnm,1234567890"
                                             "HCMASFGJ?KL");
        const QString persian = QString::fromUtf8("ضصثقفغعهخحجچشسیبلاتنمکگظطزرذدپو۱۲۳۴۵۶۷۸۹۰"
                                                  "آژءؤئإأة؟»«");
        for (int i = 0; i < latin.size(); ++i)
            m.insert(latin[i], persian[i]);
        m.insert(u'B', QChar(0x200C)); // zero-width non-joiner
        return m;
    }();
    return map;
}

bool DigitOnly(const QLineEdit *e) {
    if (e->property("digitsOnly").toBool() || !e->inputMask().isEmpty())
        return true;
    if (qobject_cast<const QIntValidator *>(e->validator()) ||
        qobject_cast<const QDoubleValidator *>(e->validator()))
        return true;
    for (const QObject *p = e->parent(); p; p = p->parent())
        if (qobject_cast<const QAbstractSpinBox *>(p))
            return true;
    return false;
}

} // namespace

TPersianKeyboard::TPersianKeyboard(QObject *parent) : QObject(parent) {}

TPersianKeyboard *TPersianKeyboard::Instance() {
    static QPointer<TPersianKeyboard> instance;
    if (!instance)
        instance = new TPersianKeyboard(qApp);
    return instance;
}

void TPersianKeyboard::Install() {
    static bool installed = false;
    if (!installed) {
        // Filters installed later run first: this one must see a key before
        // the windows' key preview does, so that they see the Persian letter.
        InstallKeyPreview();
        qApp->installEventFilter(Instance());
        installed = true;
    }
}

void TPersianKeyboard::SetEnabled(bool on) {
    if (enabled == on)
        return;
    enabled = on;
    UpdateBadge(QApplication::focusWidget());
    emit EnabledChanged(on);
}

QChar TPersianKeyboard::Map(QChar latin) {
    return Layout().value(latin, QChar());
}

bool TPersianKeyboard::TakesPersian(const QWidget *w) {
    if (!w || w->layoutDirection() != Qt::RightToLeft || !w->isEnabled())
        return false;
    // An editable combo box keeps the focus itself and hands keys to its edit.
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->isEditable() && c->lineEdit() && TakesPersian(c->lineEdit());
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return !e->isReadOnly() && !DigitOnly(e);
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return !t->isReadOnly();
    if (auto *t = qobject_cast<const QPlainTextEdit *>(w))
        return !t->isReadOnly();
    return false;
}

void TPersianKeyboard::UpdateBadge(QWidget *focus) {
    if (!TakesPersian(focus)) {
        if (badge)
            badge->hide();
        return;
    }
    QWidget *win = focus->window();
    if (!badge || badge->parentWidget() != win) {
        delete badge;
        badge = new QLabel(win);
        badge->setObjectName(QStringLiteral("KeyboardBadge"));
        badge->setAttribute(Qt::WA_TransparentForMouseEvents);
        badge->setAlignment(Qt::AlignCenter);
        badge->setStyleSheet(QStringLiteral(
            "QLabel{color:#ffffff;background:#245ca6;border-radius:4px;font:bold 11px;}"));
        badge->setToolTip(
            QStringLiteral("صفحه‌کلید؛ با Ctrl+Space عوض می‌شود"));
    }
    badge->setText(enabled ? QStringLiteral("فا") : QStringLiteral("EN"));
    badge->setGeometry(4, win->height() - 22, 28, 18);
    badge->raise();
    badge->show();
}

bool TPersianKeyboard::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
        UpdateBadge(static_cast<QWidget *>(watched));
        return false;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (w != QApplication::focusWidget())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Space && (key->modifiers() & Qt::ControlModifier) &&
        !(key->modifiers() & (Qt::AltModifier | Qt::ShiftModifier))) {
        SetEnabled(!enabled);
        return true;
    }
    if (!enabled || !TakesPersian(w) ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QString text = key->text();
    QChar mapped;
    if (key->key() == Qt::Key_Space && (key->modifiers() & Qt::ShiftModifier))
        mapped = QChar(0x200C); // Shift+Space: zero-width non-joiner
    else if (text.size() == 1)
        mapped = Map(text.at(0));
    if (mapped.isNull())
        return false;
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ShiftModifier,
                       QString(mapped), key->isAutoRepeat(), ushort(key->count()));
    // Straight to the widget: this filter must not see its own event again.
    QCoreApplication::sendEvent(w, &replaced);
    return true;
}
