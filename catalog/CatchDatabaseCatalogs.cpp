// The reference catalogues: lists, combo boxes, item dialogs, in-use and name checks, labels.
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/EntryForms.h"
#include "catalog/FrenchOrder.h"
#include "catalog/GuardedWrite.h"
#include "catalog/InsertedRow.h"
#include "catalog/LabelCache.h"
#include "catalog/ListTarget.h"
#include "catalog/UserTextChecks.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlDelete.h"
#include "db/SqlInsert.h"
#include "db/SqlUpdate.h"
#include "db/UserMessages.h"

namespace {

const char* const kNoSelection = "-- PAS DE SELECTION --";

// True when the query, narrowed to column = id, returns at least one row.
bool HasRow(const CDbConnection& db, const QString& select, const QString& column, int id) {
    CDbRecordset rows(db);
    rows.SetSql(select);
    rows.AddNumberCondition(column, id);
    return rows.Open() && rows.Fetch();
}

// Whether a catch (its columns or its fish and bait link rows) or a session still names the
// item. Throws CSQLException* when the log cannot answer.
bool ItemIsUsed(const CDbConnection& db, Table kind, int id) {
    if (HasRow(db, QStringLiteral("SELECT DATE_PRISE FROM PRISES"), CatchColumnOf(kind), id))
        return true;
    // A fish or bait that is one of several of a catch is named only by its link row.
    if (kind == Table::Fish)
        return HasRow(db, QStringLiteral("SELECT ID_PRISE FROM PRISE_POISSONS"),
                      QStringLiteral("ID_POISSON"), id);
    if (kind == Table::Baits)
        return HasRow(db, QStringLiteral("SELECT ID_PRISE FROM PRISE_ESCHES"),
                      QStringLiteral("ID_ESCHE"), id);
    // A place planned for an angling session only would leave that session without one.
    if (kind == Table::Places)
        return HasRow(db, QStringLiteral("SELECT ID FROM CALENDRIER"), QStringLiteral("ID_LIEU"),
                      id);
    return false;
}

// Whether another row (not exceptId) of the table already has this name, compared as the
// database compares LIBELLE. Throws CSQLException* when the log cannot answer.
bool NameIsTaken(const CDbConnection& db, const QString& name, Table selector, int exceptId) {
    CDbRecordset rows(db);
    rows.SetSql(QStringLiteral("SELECT ID, LIBELLE FROM ") + TableName(selector));
    rows.AddTextCondition(QStringLiteral("LIBELLE"), name, SqlValueKind::UserText);
    if (exceptId != -1)
        rows.AddNumberCondition(QStringLiteral("ID"), exceptId, QStringLiteral("<>"));
    return rows.Open() && rows.Fetch();
}

QString VanishedItemText() {
    return QStringLiteral("Cet objet n'existe plus : il a été supprimé entre-temps.");
}

// The texts of a catalogue item dialog, read once.
struct ItemTexts {
    QString label;
    QString photo;
    QString description;
    QString gps;  // places only
};

ItemTexts ReadItemTexts(const ICatalogItemForm& form, Table kind) {
    ItemTexts texts;
    texts.label = form.Label();
    if (HasPicture(kind)) texts.photo = form.PhotoName();
    texts.description = form.Description();
    if (kind == Table::Places) texts.gps = form.Gps();
    return texts;
}

bool CheckItemTexts(const ItemTexts& texts) {
    return CheckLabelText(texts.label) && CheckPictureName(texts.photo) &&
           CheckNoNul(texts.description) && CheckGpsText(texts.gps);
}

template <typename Builder>
void AddItemFields(Builder& builder, const ItemTexts& texts, Table kind) {
    builder.AddField(QStringLiteral("LIBELLE"), texts.label, SqlValueKind::UserText);
    if (HasPicture(kind)) {
        builder.AddField(QStringLiteral("PHOTO"), texts.photo, SqlValueKind::UserText);
    }
    builder.AddField(QStringLiteral("DESCRIPTION"), texts.description, SqlValueKind::UserText);
    if (kind == Table::Places)
        builder.AddField(QStringLiteral("COORD_GPS"), texts.gps, SqlValueKind::UserText);
}

}  // namespace

bool CCatchDatabase::FillCatalogList(IListTarget& list, Table kind) {
    if (!IsCatalog(kind) && kind != Table::Albums) return false;
    const QString table = TableName(kind);
    return RunOrShowError(false, [&] {
        list.Clear();
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT ID, LIBELLE FROM ") + table +
                    QStringLiteral(" ORDER BY LIBELLE"));
        // SQLite sorts accented names after "Z"; the list follows the French order of the
        // drop-down lists, names equal in it keeping the order of the query.
        std::vector<std::pair<QString, int>> items;
        if (rows.Open()) {
            while (rows.Fetch()) items.emplace_back(rows.GetText(2), rows.GetInt(1));
        }
        std::stable_sort(items.begin(), items.end(),
                         [](const auto& a, const auto& b) { return FrenchLess(a.first, b.first); });
        for (const auto& [label, id] : items) list.Append(label, id);
        if (list.Count() > 0) list.SelectRow(0);
        return true;
    });
}

bool CCatchDatabase::FillCatalogCombo(IListTarget& combo, Table kind) {
    if (!IsCatalog(kind)) return false;
    return RunOrShowError(false, [&] {
        combo.Clear();
        combo.Append(QString::fromUtf8(kNoSelection), -1);
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT ID, LIBELLE FROM ") + TableName(kind));
        if (rows.Open()) {
            while (rows.Fetch()) combo.Append(rows.GetText(2), rows.GetInt(1));
        }
        if (combo.Count() > 0) combo.SelectRow(0);
        return true;
    });
}

bool CCatchDatabase::LoadCatalogItem(ICatalogItemForm& form, Table kind, int id) {
    if (!IsCatalog(kind)) return false;
    const bool withPicture = HasPicture(kind);
    const bool withGps = kind == Table::Places;
    return RunOrShowError(false, [&] {
        CDbRecordset rows(*this);
        rows.SetSql((withPicture ? QStringLiteral("SELECT ID, LIBELLE, PHOTO, DESCRIPTION")
                                 : QStringLiteral("SELECT ID, LIBELLE, DESCRIPTION")) +
                    (withGps ? QStringLiteral(", COORD_GPS FROM ") : QStringLiteral(" FROM ")) +
                    TableName(kind));
        rows.AddNumberCondition(QStringLiteral("ID"), id);
        if (rows.Open() && rows.Fetch()) {
            form.SetLabel(rows.GetText(2));
            if (withPicture) form.SetPhotoName(rows.GetText(3));
            form.SetDescription(rows.GetText(withPicture ? 4 : 3));
            if (withGps) form.SetGps(rows.GetText(5));
        }
        return true;
    });
}

bool CCatchDatabase::AddCatalogItem(ICatalogItemForm& form, Table kind, int& id) {
    if (!IsCatalog(kind)) return false;
    const ItemTexts texts = ReadItemTexts(form, kind);
    if (!CheckItemTexts(texts)) return false;
    int newId = -1;
    const bool added = RunGuardedWrite(
        *this, [&] { return NameIsTaken(*this, texts.label, kind, id); },
        QStringLiteral("Il existe déjà un objet qui porte ce nom !"),
        [&] {
            CSqlInsert insert(TableName(kind));
            AddItemFields(insert, texts, kind);
            newId = InsertAndReadId(*this, insert);
            return newId != -1;
        });
    if (added) id = newId;
    return added;
}

bool CCatchDatabase::ModifyCatalogItem(ICatalogItemForm& form, Table kind, int id) {
    if (!IsCatalog(kind)) return false;
    const ItemTexts texts = ReadItemTexts(form, kind);
    if (!CheckItemTexts(texts)) return false;
    return RunGuardedWrite(
        *this, [&] { return NameIsTaken(*this, texts.label, kind, id); },
        QStringLiteral("Il existe déjà un objet qui porte ce nom dans la base !"),
        [&] {
            CSqlUpdate update(TableName(kind));
            AddItemFields(update, texts, kind);
            update.AddNumberCondition(QStringLiteral("ID"), id);
            if (ExecuteDirect(update.GetSql())) return true;
            ShowMessage(VanishedItemText(), MessageIcon::Stop);
            return false;
        });
}

bool CCatchDatabase::InsertCatalogRow(Table kind, const QString& label, const QString& description,
                                      int* newId) {
    // Seed rows of the schema steps and starter lists: any catalogue, without picture.
    if (!IsCatalog(kind)) return false;
    if (!CheckLabelText(label) || !CheckNoNul(description)) return false;
    CSqlInsert insert(TableName(kind));
    insert.AddField(QStringLiteral("LIBELLE"), label, SqlValueKind::UserText);
    insert.AddField(QStringLiteral("DESCRIPTION"), description, SqlValueKind::UserText);
    const int id = InsertAndReadId(*this, insert);
    if (newId) *newId = id;
    return id != -1;
}

bool CCatchDatabase::DeleteCatalogItem(Table kind, int id) {
    if (!IsCatalog(kind)) return false;
    return RunGuardedWrite(
        *this, [&] { return ItemIsUsed(*this, kind, id); },
        QStringLiteral("Cet objet est encore référencé, vous ne pouvez pas le supprimer !"),
        [&] {
            CSqlDelete remove(TableName(kind));
            remove.AddNumberCondition(QStringLiteral("ID"), id);
            ExecuteDirect(remove.GetSql());
            return true;
        });
}

// Both checks fail closed: when the log cannot answer, the item counts as used and the name
// as taken, so that no write they guard goes ahead on a guess.
bool CCatchDatabase::IsCatalogItemUsed(Table kind, int id) {
    if (!IsCatalog(kind)) return false;
    return RunOrShowError(true, [&] { return ItemIsUsed(*this, kind, id); });
}

bool CCatchDatabase::NameExists(const QString& name, Table selector, int exceptId) {
    if (!IsCatalog(selector) && selector != Table::Albums) return false;
    return RunOrShowError(true, [&] { return NameIsTaken(*this, name, selector, exceptId); });
}

QString CCatchDatabase::GetLabel(int id, Table kind) {
    if (id == -1) return NoReferenceLabel();
    if (!IsCatalog(kind)) return QString();
    return RunOrShowError(NoReferenceLabel(), [&] {
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT LIBELLE FROM ") + TableName(kind));
        rows.AddNumberCondition(QStringLiteral("ID"), id);
        if (rows.Open() && rows.Fetch()) return rows.GetText(1);
        return QString();
    });
}

QString CCatchDatabase::GetLabels(const std::vector<int>& ids, Table kind) {
    if (ids.size() == 1) return GetLabel(ids.front(), kind);
    return RunOrShowError(QString(), [&] {
        CLabelCache labels(*this);
        return labels.Labels(ids, kind);
    });
}

int CCatchDatabase::GetLastId(Table selector) {
    const QString table = TableName(selector);
    if (table.isEmpty()) return 0;
    return RunOrShowError(0, [&] {
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT MAX(ID) FROM ") + table);
        if (rows.Open() && rows.Fetch()) return rows.GetInt(1);
        return -1;
    });
}
