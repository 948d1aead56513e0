#pragma once
// Persian letters in right-to-left text boxes on a Latin keyboard layout.
//
// While a right-to-left text input has the focus, a key that the system
// layout delivers as a Latin letter or sign arrives as the character the
// standard Persian layout (ISIRI 9147) has on that key, exactly as if the
// system had switched layouts. Digit-only boxes are never touched, nor is
// text that already arrives in Persian. Ctrl+Space switches the mapping off
// and on; a small badge in the window shows which is in force.

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

class TPersianKeyboard : public QObject {
    Q_OBJECT
public:
    static TPersianKeyboard *Instance();
    // Installs the filter on the application.
    static void Install();

    bool Enabled() const { return enabled; }
    void SetEnabled(bool on);

    // The Persian character for a Latin one, or a null QChar when the key
    // keeps its own character.
    static QChar Map(QChar latin);
    // Whether a widget is a right-to-left text input that takes mapped keys.
    static bool TakesPersian(const QWidget *w);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void EnabledChanged(bool on);

private:
    explicit TPersianKeyboard(QObject *parent);
    void UpdateBadge(QWidget *focus);

    bool enabled = true;
    QLabel *badge = nullptr;
};
