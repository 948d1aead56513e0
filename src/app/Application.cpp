#include "Application.h"

#include "FLogin_.h"
#include "FMain_.h"
#include "Forms.h"
#include "common/ErrorLog.h"
#include "common/Form.h"
#include "common/Paths.h"
#include "common/PersianKeyboard.h"
#include "common/Theme.h"
#include "data/DataModule1_.h"

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("tizbin"));
    setApplicationDisplayName(QStringLiteral("تیزبین"));
    setOrganizationName(QStringLiteral("tizbin"));
}

bool TApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString msg = CurrentExceptionMessage();
        if (OnException)
            OnException(msg);
        else
            LogError(QStringLiteral("handler"), msg);
        return false;
    }
}

int RunProgram(int argc, char **argv) {
    // 1. The application object.
    TApplication app(argc, argv);
    // 2. Right to left, and Persian letters in right-to-left text boxes.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    TPersianKeyboard::Install();
    // 3. The main window has its own task-bar button as any top-level window.
    // 4. The program folder becomes the current directory.
    InitAppPath(QCoreApplication::applicationDirPath());
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyTheme(app);
    // 5. The data module: nothing is connected yet.
    DataModule1 = new TDataModule1(&app);
    // 6. Every window, the main menu first.
    CreateForms();
    app.OnException = [](const QString &msg) { FMain->ApplicationEvents1Exception(msg); };
    // 7. The login dialog last; creating it opens the database.
    FLogin = new TFLogin();
    // 8. Only a login that ends with OK runs the main menu.
    if (FLogin->ShowModal() != mrOk)
        return FMain->DatabaseFailed() ? 1 : 0;
    FMain->Show();
    // 9. The message loop ends when the main menu closes.
    return app.exec();
}
