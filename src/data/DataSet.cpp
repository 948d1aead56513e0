#include "DataSet.h"

#include "Connection.h"

#include <QStringList>

#include <limits>

namespace {

QString Quoted(const QString &identifier) {
    QString q = identifier;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace

// ---- TField ---------------------------------------------------------------

const QString &TField::FieldName() const {
    return ds->fields[idx].Name;
}
QVariant TField::Value() const {
    return ds->CurrentValue(idx);
}
bool TField::IsNull() const {
    return Value().isNull();
}
QString TField::AsString() const {
    return Value().toString();
}
int TField::AsInteger() const {
    return Value().toInt();
}
bool TField::AsBoolean() const {
    return Value().toLongLong() != 0;
}
QByteArray TField::AsBytes() const {
    return Value().toByteArray();
}
void TField::SetValue(const QVariant &v) {
    ds->SetBufferValue(idx, v);
}

// ---- TDataSet -------------------------------------------------------------

TDataSet::TDataSet(TDbConnection *connection, QObject *parent)
    : QObject(parent), conn(connection) {}

TDataSet::~TDataSet() = default;

int TDataSet::FieldIndex(const QString &name) const {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TField TDataSet::FieldByName(const QString &name) {
    const int i = FieldIndex(name);
    if (i < 0)
        throw EDatabaseError(QStringLiteral("ستون «%1» پیدا نشد.").arg(name));
    return TField(this, i);
}

void TDataSet::RequireActive() const {
    if (state == TDataSetState::Inactive)
        throw EDatabaseError(QStringLiteral("جدول باز نیست."));
}

void TDataSet::Open() {
    if (Active())
        return;
    CheckReady();
    rows = LoadRows();
    state = TDataSetState::Browse;
    RebuildView(false);
}

void TDataSet::Close() {
    state = TDataSetState::Inactive;
    rows.clear();
    view.clear();
    buffer.clear();
    cur = -1;
    bof = eof = true;
    Notify();
}

void TDataSet::Requery() {
    RequireActive();
    if (state != TDataSetState::Browse)
        Cancel();
    rows = LoadRows();
    RebuildView(false);
}

void TDataSet::RebuildView(bool keepCurrent) {
    const qint64 keep = keepCurrent ? CurrentRowId() : -1;
    view.clear();
    for (int i = 0; i < rows.size(); ++i)
        if (RowVisible(rows[i]))
            view.append(i);
    cur = view.isEmpty() ? -1 : 0;
    if (keep >= 0) {
        for (int p = 0; p < view.size(); ++p)
            if (rows[view[p]].RowId == keep)
                cur = p;
    }
    bof = true;
    eof = view.isEmpty();
    Notify();
}

void TDataSet::Notify() {
    if (freeze > 0) {
        pendingNotify = true;
        return;
    }
    emit DataChanged();
}

void TDataSet::DisableControls() {
    ++freeze;
}

void TDataSet::EnableControls() {
    if (freeze > 0 && --freeze == 0 && pendingNotify) {
        pendingNotify = false;
        emit DataChanged();
    }
}

int TDataSet::RecordCount() const {
    return Active() ? int(view.size()) : 0;
}

int TDataSet::RecNo() const {
    if (state == TDataSetState::Insert)
        return 0;
    return cur >= 0 ? cur + 1 : 0;
}

qint64 TDataSet::CurrentRowId() const {
    return (cur >= 0 && cur < view.size()) ? rows[view[cur]].RowId : -1;
}

void TDataSet::SetRecNo(int recNo) {
    RequireActive();
    CheckBrowseMode();
    if (recNo < 1 || recNo > view.size())
        throw EDatabaseError(QStringLiteral("شمارهٔ رکورد %1 وجود ندارد.").arg(recNo));
    cur = recNo - 1;
    bof = eof = false;
    Notify();
}

void TDataSet::First() {
    RequireActive();
    CheckBrowseMode();
    cur = view.isEmpty() ? -1 : 0;
    bof = true;
    eof = view.isEmpty();
    Notify();
}

void TDataSet::Last() {
    RequireActive();
    CheckBrowseMode();
    cur = int(view.size()) - 1;
    bof = view.isEmpty();
    eof = true;
    Notify();
}

void TDataSet::Next() {
    RequireActive();
    CheckBrowseMode();
    if (cur + 1 < view.size()) {
        ++cur;
        bof = false;
    } else {
        eof = true;
    }
    Notify();
}

void TDataSet::Prior() {
    RequireActive();
    CheckBrowseMode();
    if (cur > 0) {
        --cur;
        eof = false;
    } else {
        bof = true;
    }
    Notify();
}

QVariant TDataSet::CurrentValue(int field) const {
    if (state == TDataSetState::Edit || state == TDataSetState::Insert)
        return buffer[field];
    if (cur < 0 || cur >= view.size())
        return {};
    return rows[view[cur]].Values[field];
}

QVariant TDataSet::ValueAt(int pos, int field) const {
    if (pos < 0 || pos >= view.size() || field < 0 || field >= fields.size())
        return {};
    return rows[view[pos]].Values[field];
}

QVariant TDataSet::Normalised(int field, const QVariant &v) const {
    if (!v.isValid() || v.isNull())
        return {};
    const TFieldDef &def = fields[field];
    bool ok = true;
    switch (def.Type) {
    case TFieldType::AutoInc:
        throw EDatabaseError(
            QStringLiteral("ستون «%1» خودکار شماره می‌خورد.")
                .arg(def.Name));
    case TFieldType::Integer:
    case TFieldType::SmallInt: {
        const qint64 n = v.toLongLong(&ok);
        const qint64 lo = def.Type == TFieldType::SmallInt ? std::numeric_limits<qint16>::min()
                                                           : std::numeric_limits<qint32>::min();
        const qint64 hi = def.Type == TFieldType::SmallInt ? std::numeric_limits<qint16>::max()
                                                           : std::numeric_limits<qint32>::max();
        if (!ok || n < lo || n > hi)
            throw EDatabaseError(
                QStringLiteral("مقدار «%1» برای ستون «%2» درست نیست.").arg(v.toString(), def.Name));
        return QVariant(n);
    }
    case TFieldType::Boolean:
        return QVariant(qint64(v.toBool() ? 1 : 0));
    case TFieldType::String:
    case TFieldType::Memo:
        return QVariant(v.toString());
    case TFieldType::Blob:
        return QVariant(v.toByteArray());
    }
    return v;
}

void TDataSet::SetBufferValue(int field, const QVariant &v) {
    if (state != TDataSetState::Edit && state != TDataSetState::Insert)
        throw EDatabaseError(QStringLiteral("جدول در حال ویرایش یا افزودن نیست."));
    buffer[field] = Normalised(field, v);
    Notify();
}

void TDataSet::Validate(const QVector<QVariant> &values) const {
    for (int i = 0; i < fields.size(); ++i) {
        const TFieldDef &def = fields[i];
        if (def.Type == TFieldType::String && values[i].isValid() &&
            values[i].toString().size() > def.Size)
            throw EDatabaseError(
                QStringLiteral("متن ستون «%1» بیش از %2 نویسه است.").arg(def.Name).arg(def.Size));
    }
}

void TDataSet::InitNewRow(QVector<QVariant> &values) {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].Type == TFieldType::Boolean)
            values[i] = QVariant(qint64(0));
}

void TDataSet::Append() {
    RequireActive();
    CheckBrowseMode();
    buffer = QVector<QVariant>(fields.size());
    InitNewRow(buffer);
    state = TDataSetState::Insert;
    Notify();
}

void TDataSet::Edit() {
    RequireActive();
    if (state == TDataSetState::Edit || state == TDataSetState::Insert)
        return;
    if (cur < 0)
        throw EDatabaseError(QStringLiteral("رکوردی برای ویرایش نیست."));
    buffer = rows[view[cur]].Values;
    state = TDataSetState::Edit;
}

void TDataSet::Post() {
    RequireActive();
    if (state == TDataSetState::Browse)
        return;
    Validate(buffer);
    if (state == TDataSetState::Insert) {
        const qint64 id = InsertRow(buffer);
        rows.append(ReloadRow(id));
        state = TDataSetState::Browse;
        buffer.clear();
        RebuildView(false);
        for (int p = 0; p < view.size(); ++p)
            if (rows[view[p]].RowId == id)
                cur = p;
        bof = eof = false;
    } else {
        const int at = view[cur];
        UpdateRow(rows[at].RowId, buffer);
        rows[at] = ReloadRow(rows[at].RowId);
        state = TDataSetState::Browse;
        buffer.clear();
        // An edit of the linking field may move the row out of a detail view.
        RebuildView(true);
    }
    Notify();
}

void TDataSet::Cancel() {
    if (state == TDataSetState::Edit || state == TDataSetState::Insert) {
        state = TDataSetState::Browse;
        buffer.clear();
        Notify();
    }
}

void TDataSet::CheckBrowseMode() {
    if (state == TDataSetState::Edit || state == TDataSetState::Insert)
        Post();
}

void TDataSet::Delete() {
    RequireActive();
    if (state == TDataSetState::Insert) {
        Cancel();
        return;
    }
    Cancel();
    if (cur < 0)
        throw EDatabaseError(QStringLiteral("رکوردی برای حذف نیست."));
    const int at = view[cur];
    DeleteRow(rows[at].RowId);
    rows.removeAt(at);
    const int keep = cur;
    RebuildView(false);
    cur = view.isEmpty() ? -1 : std::min<int>(keep, int(view.size()) - 1);
    bof = cur <= 0;
    eof = view.isEmpty();
    Notify();
}

qint64 TDataSet::InsertRow(const QVector<QVariant> &) {
    throw EDatabaseError(QStringLiteral("این داده‌ها فقط خواندنی است."));
}
void TDataSet::UpdateRow(qint64, const QVector<QVariant> &) {
    throw EDatabaseError(QStringLiteral("این داده‌ها فقط خواندنی است."));
}
void TDataSet::DeleteRow(qint64) {
    throw EDatabaseError(QStringLiteral("این داده‌ها فقط خواندنی است."));
}
TDataSet::Row TDataSet::ReloadRow(qint64) {
    throw EDatabaseError(QStringLiteral("این داده‌ها فقط خواندنی است."));
}
bool TDataSet::RowVisible(const Row &) const {
    return true;
}

// ---- TDbTable -------------------------------------------------------------

TDbTable::TDbTable(TDbConnection *connection, const QString &name, const QVector<TFieldDef> &defs,
                   QObject *parent)
    : TDataSet(connection, parent), tableName(name) {
    SetFields(defs);
}

void TDbTable::SetMaster(TDataSource *masterSource, const QString &masterField,
                         const QString &detailField) {
    if (master)
        disconnect(master->DataSet, nullptr, this, nullptr);
    master = masterSource;
    detailFieldIdx = FieldIndex(detailField);
    masterFieldIdx = master ? master->DataSet->FieldIndex(masterField) : -1;
    if (master)
        connect(master->DataSet, &TDataSet::DataChanged, this, &TDbTable::MasterMoved);
    if (Active())
        RebuildView(false);
}

void TDbTable::MasterMoved() {
    if (!Active())
        return;
    // A pending append or edit of the detail belongs to the old master row.
    CheckBrowseMode();
    RebuildView(false);
}

QVariant TDbTable::MasterValue() const {
    if (!master || !master->DataSet->Active() || master->DataSet->RecNo() == 0)
        return {};
    return master->DataSet->ValueAt(master->DataSet->RecNo() - 1, masterFieldIdx);
}

bool TDbTable::RowVisible(const Row &row) const {
    if (!master)
        return true;
    const QVariant m = MasterValue();
    if (m.isNull())
        return false;
    const QVariant &d = row.Values[detailFieldIdx];
    return !d.isNull() && d.toLongLong() == m.toLongLong();
}

void TDbTable::InitNewRow(QVector<QVariant> &values) {
    TDataSet::InitNewRow(values);
    if (master)
        values[detailFieldIdx] = MasterValue();
}

void TDbTable::CheckReady() {
    if (!conn || !conn->Connected())
        throw EDatabaseError(QStringLiteral("بانک اطلاعاتی وصل نیست."));
    TDbStatement info(*conn, QStringLiteral("PRAGMA table_info(%1)").arg(Quoted(tableName)));
    QStringList present;
    while (info.Step())
        present << info.Column(1).toString();
    if (present.isEmpty())
        throw EDatabaseError(QStringLiteral("جدول «%1» در بانک اطلاعاتی نیست.").arg(tableName));
    for (const TFieldDef &def : Fields())
        if (!present.contains(def.Name, Qt::CaseInsensitive))
            throw EDatabaseError(
                QStringLiteral("ستون «%1» در جدول «%2» نیست.").arg(def.Name, tableName));
    if (master && (masterFieldIdx < 0 || detailFieldIdx < 0))
        throw EDatabaseError(QStringLiteral("پیوند جدول «%1» درست نیست.").arg(tableName));
}

QString TDbTable::SelectList() const {
    QStringList cols{QStringLiteral("rowid")};
    for (const TFieldDef &def : Fields())
        cols << Quoted(def.Name);
    return cols.join(QStringLiteral(", "));
}

QVector<TDataSet::Row> TDbTable::LoadRows() {
    TDbStatement st(
        *conn,
        QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(SelectList(), Quoted(tableName)));
    QVector<Row> out;
    const int n = int(Fields().size());
    while (st.Step()) {
        Row r;
        r.RowId = st.ColumnInt64(0);
        r.Values.resize(n);
        for (int i = 0; i < n; ++i)
            r.Values[i] = st.Column(i + 1);
        out.append(r);
    }
    return out;
}

TDataSet::Row TDbTable::ReloadRow(qint64 rowId) {
    TDbStatement st(
        *conn,
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(SelectList(), Quoted(tableName)));
    st.Bind(1, rowId);
    if (!st.Step())
        throw EDatabaseError(
            QStringLiteral(
                "رکورد نوشته‌شده در جدول «%1» دوباره خوانده "
                "نشد.")
                .arg(tableName));
    Row r;
    r.RowId = st.ColumnInt64(0);
    r.Values.resize(Fields().size());
    for (int i = 0; i < Fields().size(); ++i)
        r.Values[i] = st.Column(i + 1);
    return r;
}

qint64 TDbTable::InsertRow(const QVector<QVariant> &values) {
    QStringList cols, marks;
    QVariantList binds;
    for (int i = 0; i < Fields().size(); ++i) {
        if (Fields()[i].Type == TFieldType::AutoInc || values[i].isNull())
            continue;
        cols << Quoted(Fields()[i].Name);
        marks << QStringLiteral("?");
        binds << values[i];
    }
    const QString sql = cols.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Quoted(tableName))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(Quoted(tableName), cols.join(QStringLiteral(", ")),
                                       marks.join(QStringLiteral(", ")));
    TDbStatement st(*conn, sql);
    st.BindAll(binds);
    st.Step();
    return conn->LastInsertRowId();
}

void TDbTable::UpdateRow(qint64 rowId, const QVector<QVariant> &values) {
    QStringList sets;
    QVariantList binds;
    for (int i = 0; i < Fields().size(); ++i) {
        if (Fields()[i].Type == TFieldType::AutoInc)
            continue;
        sets << Quoted(Fields()[i].Name) + QStringLiteral(" = ?");
        binds << values[i];
    }
    binds << rowId;
    TDbStatement st(*conn, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                               .arg(Quoted(tableName), sets.join(QStringLiteral(", "))));
    st.BindAll(binds);
    st.Step();
    if (conn->Changes() != 1)
        throw EDatabaseError(
            QStringLiteral("رکورد جدول «%1» در فایل پیدا نشد؛ شاید از جای دیگری حذف شده است.")
                .arg(tableName));
}

void TDbTable::DeleteRow(qint64 rowId) {
    TDbStatement st(*conn, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Quoted(tableName)));
    st.Bind(1, rowId);
    st.Step();
}

// ---- TDbQuery -------------------------------------------------------------

TDbQuery::TDbQuery(TDbConnection *connection, QObject *parent) : TDataSet(connection, parent) {}

void TDbQuery::CheckReady() {
    if (!conn || !conn->Connected())
        throw EDatabaseError(QStringLiteral("بانک اطلاعاتی وصل نیست."));
    if (SQL.trimmed().isEmpty())
        throw EDatabaseError(
            QStringLiteral("فرمانی برای پرس‌وجو داده نشده است."));
}

QVector<TDataSet::Row> TDbQuery::LoadRows() {
    TDbStatement st(*conn, SQL);
    st.BindAll(Params);
    QVector<TFieldDef> defs;
    for (int i = 0; i < st.ColumnCount(); ++i)
        defs.append(TFieldDef{st.ColumnName(i), TFieldType::Memo, 0});
    SetFields(defs);
    QVector<Row> out;
    qint64 n = 0;
    while (st.Step()) {
        Row r;
        r.RowId = ++n;
        for (int i = 0; i < defs.size(); ++i)
            r.Values.append(st.Column(i));
        out.append(r);
    }
    return out;
}

int TDbQuery::ExecSQL() {
    CheckReady();
    TDbStatement st(*conn, SQL);
    st.BindAll(Params);
    st.Step();
    return conn->Changes();
}
