#include "Paths.h"

#include <QDir>
#include <QFileInfo>

QString AppPath;

void InitAppPath(const QString &executableDir) {
    QString dir = QDir::cleanPath(QFileInfo(executableDir).absoluteFilePath());
    if (!dir.endsWith(u'/'))
        dir += u'/';
    AppPath = dir;
    QDir::setCurrent(AppPath);
}

QString ResolvePath(const QString &base, const QString &relative) {
    QString path = base;
    if (path.isEmpty())
        path = QStringLiteral(".");
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    QString rel = relative;
    rel.replace(u'\\', u'/');
    const auto parts = rel.split(u'/', Qt::SkipEmptyParts);
    bool searching = true;
    for (const QString &part : parts) {
        const QString exact = path + u'/' + part;
        if (searching && !QFileInfo::exists(exact)) {
            QString match;
            const QDir dir(path);
            const auto entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                               QDir::Hidden | QDir::System);
            for (const QString &e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    match = e;
                    break;
                }
            if (match.isEmpty()) {
                searching = false;
                path = exact;
            } else {
                path += u'/' + match;
            }
        } else {
            path = exact;
        }
    }
    return path;
}

QString MediaPath(const QString &relative) {
    return ResolvePath(AppPath, relative);
}
