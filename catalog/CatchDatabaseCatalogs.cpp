// The reference catalogues: lists, combo boxes, item dialogs, in-use and name checks, labels.
#include <memory>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/EntryForms.h"
#include "catalog/InsertedRow.h"
#include "catalog/LabelCache.h"
#include "catalog/ListTarget.h"
#include "catalog/UserTextChecks.h"
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

// The texts of a catalogue item dialog, read once.
struct ItemTexts {
    QString label;
    QString photo;
    QString description;
};

ItemTexts ReadItemTexts(const ICatalogItemForm& form, int kind) {
    ItemTexts texts;
    texts.label = form.Label();
    if (CatalogKind::HasPicture(kind)) texts.photo = form.PhotoName();
    texts.description = form.Description();
    return texts;
}

bool CheckItemTexts(const ItemTexts& texts) {
    return CheckLabelText(texts.label) && CheckPictureName(texts.photo) &&
           CheckNoNul(texts.description);
}

template <typename Builder>
void AddItemFields(Builder& builder, const ItemTexts& texts, int kind) {
    builder.AddField(QStringLiteral("LIBELLE"), texts.label, SqlValueKind::UserText);
    if (CatalogKind::HasPicture(kind)) {
        builder.AddField(QStringLiteral("PHOTO"), texts.photo, SqlValueKind::UserText);
    }
    builder.AddField(QStringLiteral("DESCRIPTION"), texts.description, SqlValueKind::UserText);
}

}  // namespace

bool CCatchDatabase::FillCatalogList(IListTarget& list, int kind) {
    // In the navigation, 16 is the albums category; as a table selector it would be PHOTOS.
    const QString table = kind == CatalogKind::Albums ? TableForSelector(CatalogKind::AlbumsTable)
                          : CatalogKind::IsCatalog(kind) ? TableForSelector(kind)
                                                         : QString();
    if (table.isEmpty()) return false;
    try {
        list.Clear();
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT ID, LIBELLE FROM ") + table +
                    QStringLiteral(" ORDER BY LIBELLE"));
        if (rows.Open()) {
            while (rows.Fetch()) list.Append(rows.GetText(2), rows.GetInt(1));
        }
        if (list.Count() > 0) list.SelectRow(0);
        return true;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
}

bool CCatchDatabase::FillCatalogCombo(IListTarget& combo, int kind) {
    if (!CatalogKind::IsCatalog(kind)) return false;
    try {
        combo.Clear();
        combo.Append(QString::fromUtf8(kNoSelection), -1);
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT ID, LIBELLE FROM ") + TableForSelector(kind));
        if (rows.Open()) {
            while (rows.Fetch()) combo.Append(rows.GetText(2), rows.GetInt(1));
        }
        if (combo.Count() > 0) combo.SelectRow(0);
        return true;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
}

bool CCatchDatabase::LoadCatalogItem(ICatalogItemForm& form, int kind, int id) {
    if (!CatalogKind::IsCatalog(kind)) return false;
    const bool withPicture = CatalogKind::HasPicture(kind);
    try {
        CDbRecordset rows(*this);
        rows.SetSql((withPicture ? QStringLiteral("SELECT ID, LIBELLE, PHOTO, DESCRIPTION FROM ")
                                 : QStringLiteral("SELECT ID, LIBELLE, DESCRIPTION FROM ")) +
                    TableForSelector(kind));
        rows.AddNumberCondition(QStringLiteral("ID"), id);
        if (rows.Open() && rows.Fetch()) {
            form.SetLabel(rows.GetText(2));
            if (withPicture) form.SetPhotoName(rows.GetText(3));
            form.SetDescription(rows.GetText(withPicture ? 4 : 3));
        }
        return true;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
}

bool CCatchDatabase::AddCatalogItem(ICatalogItemForm& form, int kind, int& id) {
    if (!CatalogKind::IsCatalog(kind)) return false;
    const ItemTexts texts = ReadItemTexts(form, kind);
    if (!CheckItemTexts(texts)) return false;
    if (NameExists(texts.label, kind, id)) {
        ShowMessage(QStringLiteral("Il existe déjà un objet qui porte ce nom !"),
                    MessageIcon::None);
        return false;
    }
    CSqlInsert insert(TableForSelector(kind));
    AddItemFields(insert, texts, kind);
    const int newId = InsertAndReadId(*this, insert);
    if (newId == -1) return false;
    id = newId;
    return true;
}

bool CCatchDatabase::ModifyCatalogItem(ICatalogItemForm& form, int kind, int id) {
    if (!CatalogKind::IsCatalog(kind)) return false;
    const ItemTexts texts = ReadItemTexts(form, kind);
    if (!CheckItemTexts(texts)) return false;
    if (NameExists(texts.label, kind, id)) {
        ShowMessage(QStringLiteral("Il existe déjà un objet qui porte ce nom dans la base !"),
                    MessageIcon::None);
        return false;
    }
    try {
        CSqlUpdate update(TableForSelector(kind));
        AddItemFields(update, texts, kind);
        update.AddNumberCondition(QStringLiteral("ID"), id);
        ExecuteDirect(update.GetSql());
        return true;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
}

bool CCatchDatabase::InsertCatalogRow(int kind, const QString& label, const QString& description) {
    // Seed rows of the schema steps and starter lists: any catalogue, without picture.
    if (!CatalogKind::IsCatalog(kind)) return false;
    if (!CheckLabelText(label) || !CheckNoNul(description)) return false;
    try {
        CSqlInsert insert(TableForSelector(kind));
        insert.AddField(QStringLiteral("LIBELLE"), label, SqlValueKind::UserText);
        insert.AddField(QStringLiteral("DESCRIPTION"), description, SqlValueKind::UserText);
        ExecuteDirect(insert.GetSql());
        return true;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
}

bool CCatchDatabase::DeleteCatalogItem(int kind, int id) {
    if (!CatalogKind::IsCatalog(kind)) return false;
    if (IsCatalogItemUsed(kind, id)) {
        ShowMessage(
            QStringLiteral("Cet objet est encore référencé, vous ne pouvez pas le supprimer !"),
            MessageIcon::None);
        return false;
    }
    try {
        CSqlDelete remove(TableForSelector(kind));
        remove.AddNumberCondition(QStringLiteral("ID"), id);
        ExecuteDirect(remove.GetSql());
        return true;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
}

bool CCatchDatabase::IsCatalogItemUsed(int kind, int id) {
    if (!CatalogKind::IsCatalog(kind)) return false;
    try {
        if (HasRow(*this, QStringLiteral("SELECT DATE_PRISE FROM PRISES"), CatchColumnForKind(kind),
                   id)) {
            return true;
        }
        // A fish or bait that is one of several of a catch is named only by its link row.
        if (kind == CatalogKind::Fish) {
            return HasRow(*this, QStringLiteral("SELECT ID_PRISE FROM PRISE_POISSONS"),
                          QStringLiteral("ID_POISSON"), id);
        }
        if (kind == CatalogKind::Baits) {
            return HasRow(*this, QStringLiteral("SELECT ID_PRISE FROM PRISE_ESCHES"),
                          QStringLiteral("ID_ESCHE"), id);
        }
        // A place planned for an angling session only would leave that session without one.
        if (kind == CatalogKind::Places) {
            return HasRow(*this, QStringLiteral("SELECT ID FROM CALENDRIER"),
                          QStringLiteral("ID_LIEU"), id);
        }
        return false;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
}

bool CCatchDatabase::NameExists(const QString& name, int selector, int exceptId) {
    if (!CatalogKind::IsCatalog(selector) && selector != CatalogKind::AlbumsTable) return false;
    try {
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT ID, LIBELLE FROM ") + TableForSelector(selector));
        rows.AddTextCondition(QStringLiteral("LIBELLE"), name, SqlValueKind::UserText);
        if (exceptId != -1)
            rows.AddNumberCondition(QStringLiteral("ID"), exceptId, QStringLiteral("<>"));
        return rows.Open() && rows.Fetch();
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
}

QString CCatchDatabase::GetLabel(int id, int kind) {
    if (id == -1) return NoReferenceLabel();
    if (!CatalogKind::IsCatalog(kind)) return QString();
    try {
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT LIBELLE FROM ") + TableForSelector(kind));
        rows.AddNumberCondition(QStringLiteral("ID"), id);
        if (rows.Open() && rows.Fetch()) return rows.GetText(1);
        return QString();
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return NoReferenceLabel();
    }
}

QString CCatchDatabase::GetLabels(const std::vector<int>& ids, int kind) {
    if (ids.size() == 1) return GetLabel(ids.front(), kind);
    try {
        CLabelCache labels(*this);
        return labels.Labels(ids, kind);
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return QString();
    }
}

int CCatchDatabase::GetLastId(int selector) {
    const QString table = TableForSelector(selector);
    if (table.isEmpty()) return 0;
    try {
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT MAX(ID) FROM ") + table);
        if (rows.Open() && rows.Fetch()) return rows.GetInt(1);
        return -1;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return 0;
    }
}
