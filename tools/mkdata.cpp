// Lays out the data folder beside the executable from content/:
//
//   tizbin-mkdata [--force] [--db-only] CONTENT_DIR APP_DIR
//
// APP_DIR/Media/Acc.bnk  the encrypted database: schema and delivered content
// APP_DIR/Media/text     the exercise texts
// APP_DIR/Media/pic64, Media/ui, Media/sound   pictures and sounds, drawn here
//
// An existing database keeps every user row: its schema is brought up to date
// and only the delivered content tables are refreshed. --force starts the
// database afresh (all users and results are lost).

#include "common/Paths.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/Schema.h"
#include "media_gen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// Tables whose rows are delivered with the program; the program only reads them.
const char *const kContentTables[] = {"DarkText", "DarkQues", "sodoko", "Emla", "DOC"};

void Say(const QString &s) {
    std::fprintf(stdout, "%s\n", qPrintable(s));
}

bool CopyTexts(const QString &contentDir, const QString &mediaDir, QString *error) {
    const QDir src(contentDir + QStringLiteral("/text"));
    const QString dst = mediaDir + QStringLiteral("/text");
    QDir().mkpath(dst);
    int copied = 0;
    for (const QString &name : src.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        const QString to = dst + u'/' + name;
        QFile::remove(to);
        if (!QFile::copy(src.filePath(name), to)) {
            *error = QStringLiteral("cannot copy ") + name;
            return false;
        }
        ++copied;
    }
    Say(QStringLiteral("texts: %1").arg(copied));
    return true;
}

// Refreshes the delivered content. Later content sources load here.
void LoadContent(TDbConnection &db, const QString &contentDir) {
    Q_UNUSED(contentDir)
    db.Transaction([&] {
        for (const char *t : kContentTables)
            db.Exec(QStringLiteral("DELETE FROM \"%1\"").arg(QString::fromLatin1(t)));
    });
}

int Run(const QStringList &args) {
    bool force = false, dbOnly = false;
    QStringList paths;
    for (const QString &a : args) {
        if (a == QStringLiteral("--force"))
            force = true;
        else if (a == QStringLiteral("--db-only"))
            dbOnly = true;
        else
            paths << a;
    }
    if (paths.size() != 2) {
        std::fprintf(stderr, "usage: tizbin-mkdata [--force] [--db-only] CONTENT_DIR APP_DIR\n");
        return 2;
    }
    const QString contentDir = QFileInfo(paths[0]).absoluteFilePath();
    const QString appDir = QFileInfo(paths[1]).absoluteFilePath();
    // One folder holds the database and the media, whatever case a path uses.
    QString mediaDir = ResolvePath(appDir, QStringLiteral("Media"));
    if (!QFileInfo(mediaDir).isDir())
        mediaDir = appDir + QStringLiteral("/Media");
    QDir().mkpath(mediaDir);

    const QString dbFile = mediaDir + QStringLiteral("/Acc.bnk");
    const bool existed = QFileInfo::exists(dbFile);
    if (existed && force) {
        QFile::remove(dbFile);
        Say(QStringLiteral("database: removed (--force)"));
    }
    try {
        TDbConnection db;
        db.ConnectionString = DatabaseConnectionString(dbFile);
        db.Open(true);
        UpgradeSchema(db);
        LoadContent(db, contentDir);
        Say(QStringLiteral("database: %1 (schema %2)")
                .arg(existed && !force ? QStringLiteral("kept, content refreshed")
                                       : QStringLiteral("created"))
                .arg(db.UserVersion()));
    } catch (const EDatabaseError &e) {
        std::fprintf(stderr, "tizbin-mkdata: %s\n", qPrintable(e.Message));
        return 1;
    }
    if (dbOnly)
        return 0;

    QString error;
    if (!CopyTexts(contentDir, mediaDir, &error) || !GenerateMedia(mediaDir, &error)) {
        std::fprintf(stderr, "tizbin-mkdata: %s\n", qPrintable(error));
        return 1;
    }
    Say(QStringLiteral("media: %1").arg(QDir(appDir).relativeFilePath(mediaDir)));
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return Run(app.arguments().mid(1));
}
