// Angling sessions (CALENDRIER): the month list, a month of sessions on the calendar, the
// session dialog's load and store, and the catches taken during a session.
#include <QDate>
#include <QHash>
#include <vector>

#include "catalog/CalendarSession.h"
#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/DateStamp.h"
#include "catalog/DisplayPanels.h"
#include "catalog/EntryForms.h"
#include "catalog/InsertedRow.h"
#include "catalog/LabelCache.h"
#include "catalog/ListTarget.h"
#include "catalog/SessionMonths.h"
#include "catalog/UserTextChecks.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlDelete.h"
#include "db/SqlInsert.h"
#include "db/SqlUpdate.h"
#include "db/UserMessages.h"

namespace {

const QString kSessionColumns = QStringLiteral(
    "SELECT ID, DEBUT, FIN, ID_LIEU, COMMENTAIRE, HEURE_DEBUT, HEURE_FIN FROM CALENDRIER");

std::vector<SessionSpan> ReadSessionSpans(const CDbConnection& db) {
    CDbRecordset spans(db);
    spans.SetSql(QStringLiteral("SELECT DISTINCT DEBUT, FIN FROM CALENDRIER"));
    spans.Open();
    std::vector<SessionSpan> result;
    while (spans.Fetch()) {
        result.push_back({spans.GetInt(1), spans.GetInt(2)});
    }
    return result;
}

CCalendarSession ReadSessionRow(CDbRecordset& row, CLabelCache& labels) {
    CCalendarSession session;
    session.id = row.GetInt(1);
    session.startDay = row.GetInt(2);
    session.endDay = row.GetInt(3);
    session.placeId = row.GetInt(4);
    session.comment = row.GetText(5, SqlValueKind::UserText);
    session.startTime = row.GetInt(6);
    session.endTime = row.GetInt(7);
    session.placeLabel = labels.Label(session.placeId, Table::Places);
    return session;
}

// The session's columns in their stored order, for the INSERT and the UPDATE alike.
template <typename Builder>
void AddSessionFields(Builder& builder, const ISessionForm& form) {
    builder.AddNumber(QStringLiteral("DEBUT"), form.StartDay());
    builder.AddNumber(QStringLiteral("FIN"), form.EndDay());
    builder.AddNumber(QStringLiteral("ID_LIEU"), form.Place());
    builder.AddField(QStringLiteral("COMMENTAIRE"), form.Comment(), SqlValueKind::UserText);
    builder.AddNumber(QStringLiteral("HEURE_DEBUT"), form.StartTime());
    builder.AddNumber(QStringLiteral("HEURE_FIN"), form.EndTime());
}

// The calendar day of a day key (20070512); invalid when the key names none or lies beyond
// four-digit years, whose stored text would no longer sort like the moment.
QDate DayOfKey(int dayKey) {
    constexpr int kLastFourDigitDay = 99991230;  // its next day is still a four-digit year
    if (dayKey <= 0 || dayKey > kLastFourDigitDay) return {};
    return QDate(dayKey / 10000, dayKey / 100 % 100, dayKey % 100);
}

QString StoredDayText(const QDate& day) { return day.toString(QStringLiteral("yyyy-MM-dd")); }

// Narrows the catches to the session's days by DATE_PRISE, stored "yyyy-mm-dd hh:mm:00" (text
// on SQLite, a timestamp on a server): both sort like the moment, so the end bound is the
// start of the next day on both. The bounds take whole days and only spare the reading of the
// other catches: the exact test on the parsed moment follows. A start day of 0 or less would
// take catches without a date (read as day 0) too, so then nothing is narrowed.
QString SessionDaysCondition(int startDay, int endDay) {
    const QDate first = DayOfKey(startDay);
    if (!first.isValid()) return {};
    QString condition = QStringLiteral("p.DATE_PRISE >= '") + StoredDayText(first) + "'";
    const QDate last = DayOfKey(endDay);
    if (endDay >= startDay && last.isValid())
        condition += QStringLiteral(" AND p.DATE_PRISE < '") + StoredDayText(last.addDays(1)) + "'";
    return condition;
}

// Whether a catch at this moment belongs to the session, both bounds included to the minute:
// on the first day from the start time, on the last day up to the end time, any time between.
bool InSession(const CDateStamp& moment, int startDay, int endDay, int startTime, int endTime) {
    const int day = ReadDecimalInt(moment.FormatDate(DateLayout::DayKey));
    const int time = ReadDecimalInt(QString::asprintf("%02d%02d", moment.hour, moment.minute));
    if (day < startDay || day > endDay) {
        return false;
    }
    if (startDay == endDay) {
        return time >= startTime && time <= endTime;
    }
    if (day == startDay) {
        return time >= startTime;
    }
    if (day == endDay) {
        return time <= endTime;
    }
    return true;
}

struct SessionCatch {
    int id = 0;
    CDateStamp moment;
    int fishId = 0;
};

// The fish of every catch of several fish within the days, in one query, each set in the
// order its link rows were stored.
QHash<int, std::vector<int>> ReadSeveralFishSets(const CDbConnection& db,
                                                 const QString& daysCondition) {
    QString catches =
        QString::asprintf("SELECT p.ID FROM PRISES p WHERE p.ID_POISSON=%d", SEVERAL_IDS);
    if (!daysCondition.isEmpty()) {
        catches += QStringLiteral(" AND ") + daysCondition;
    }
    CDbRecordset links(db);
    links.SetSql(QStringLiteral("SELECT l.ID_PRISE, l.ID_POISSON FROM PRISE_POISSONS l WHERE "
                                "l.ID_PRISE IN (") +
                 catches + QStringLiteral(") ORDER BY l.ROWID"));
    links.Open();
    QHash<int, std::vector<int>> sets;
    while (links.Fetch()) {
        sets[links.GetInt(1)].push_back(links.GetInt(2));
    }
    return sets;
}

}  // namespace

bool CCatchDatabase::FillMonthList(IListTarget& list) {
    return FillMonthList(list, CDateStamp::Now());
}

bool CCatchDatabase::FillMonthList(IListTarget& list, const CDateStamp& today) {
    list.Clear();
    std::vector<SessionSpan> sessions;
    // The calendar months are still offered; only the sessions' own months are missing.
    const bool ok = RunOrShowError(false, [&] {
        sessions = ReadSessionSpans(*this);
        return true;
    });
    const int current = today.MonthKey();
    int currentRow = -1;
    for (int key : OfferedMonthKeys(today, sessions)) {
        if (key == current) {
            currentRow = list.Count();
        }
        list.Append(CDateStamp(key / 100, key % 100, 1, 0, 0, 0).FormatDate(DateLayout::MonthName),
                    key);
    }
    if (currentRow >= 0) {
        list.SelectRow(currentRow);
    }
    return ok;
}

bool CCatchDatabase::ShowMonthSessions(ICalendarView& calendar, int monthKey) {
    calendar.ClearMonth();
    // No month chosen (-1) or a key that names none: nothing to lay out. Building such a
    // month computed the sky of days that do not exist, for as long as the window froze.
    const int month = monthKey % 100;
    if (monthKey <= 0 || month < 1 || month > 12) return false;
    calendar.SetSkyPosition(MostUsedPlacePosition());
    calendar.BuildMonth(monthKey);
    const bool ok = RunOrShowError(false, [&] {
        // Every session that overlaps the month, also one that begins before it or ends
        // after it: the calendar draws it on the days of the month that it covers.
        CLabelCache labels(*this);
        CDbRecordset sessions(*this);
        sessions.SetSql(kSessionColumns +
                        QString::asprintf(" WHERE DEBUT <= %d AND FIN >= %d ORDER BY DEBUT, "
                                          "HEURE_DEBUT, ID",
                                          LastDayKeyOfMonth(monthKey),
                                          FirstDayKeyOfMonth(monthKey)));
        sessions.Open();
        while (sessions.Fetch()) {
            calendar.PutSession(ReadSessionRow(sessions, labels));
        }
        return true;
    });
    calendar.RepaintNow();
    return ok;
}

bool CCatchDatabase::LoadSession(ISessionForm& form, int sessionId) {
    return RunOrShowError(false, [&] {
        CDbRecordset session(*this);
        session.SetSql(kSessionColumns);
        session.AddNumberCondition(QStringLiteral("ID"), sessionId);
        session.Open();
        if (session.Fetch()) {
            form.SetStart(session.GetInt(2), session.GetInt(6));
            form.SetEnd(session.GetInt(3), session.GetInt(7));
            form.SetPlace(session.GetInt(4));
            form.SetComment(session.GetText(5, SqlValueKind::UserText));
        }
        return true;
    });
}

bool CCatchDatabase::InsertSession(ISessionForm& form, int& sessionId) {
    if (!CheckNoNul(form.Comment())) {
        return false;
    }
    CSqlInsert insert(QStringLiteral("CALENDRIER"));
    AddSessionFields(insert, form);
    const int id = InsertAndReadId(*this, insert);
    if (id == -1) return false;
    sessionId = id;
    return true;
}

bool CCatchDatabase::UpdateSession(ISessionForm& form, int sessionId) {
    if (!CheckNoNul(form.Comment())) {
        return false;
    }
    return RunOrShowError(false, [&] {
        CSqlUpdate update(QStringLiteral("CALENDRIER"));
        AddSessionFields(update, form);
        update.AddNumberCondition(QStringLiteral("ID"), sessionId);
        // Deleted meanwhile: the change went nowhere, which is not a success.
        if (ExecuteDirect(update.GetSql())) return true;
        ShowMessage(
            QStringLiteral("Cette sortie n'existe plus : elle a été supprimée entre-temps."),
            MessageIcon::Stop);
        return false;
    });
}

bool CCatchDatabase::DeleteSession(int sessionId) {
    return RunOrShowError(false, [&] {
        CSqlDelete remove(QStringLiteral("CALENDRIER"));
        remove.AddNumberCondition(QStringLiteral("ID"), sessionId);
        ExecuteDirect(remove.GetSql());
        return true;
    });
}

bool CCatchDatabase::FillSessionCatches(IListTarget& list, int startDay, int endDay, int startTime,
                                        int endTime) {
    list.Clear();
    const bool done = RunOrShowError(false, [&] {
        const QString days = SessionDaysCondition(startDay, endDay);
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT p.ID, p.DATE_PRISE, p.ID_POISSON FROM PRISES p") +
                    (days.isEmpty() ? QString() : QStringLiteral(" WHERE ") + days) +
                    QStringLiteral(" ORDER BY p.ID"));
        rows.Open();
        std::vector<SessionCatch> kept;
        bool anySeveral = false;
        while (rows.Fetch()) {
            SessionCatch row;
            row.moment.Parse(rows.GetText(2), DateTimeLayout::Stored);
            if (!InSession(row.moment, startDay, endDay, startTime, endTime)) {
                continue;
            }
            row.id = rows.GetInt(1);
            row.fishId = rows.GetInt(3);
            anySeveral = anySeveral || row.fishId == SEVERAL_IDS;
            kept.push_back(row);
        }

        QHash<int, std::vector<int>> severalFish;
        if (anySeveral) {
            severalFish = ReadSeveralFishSets(*this, days);
        }
        CLabelCache labels(*this);
        for (const SessionCatch& row : kept) {
            const std::vector<int> fish = row.fishId == SEVERAL_IDS ? severalFish.value(row.id)
                                                                    : std::vector<int>{row.fishId};
            list.Append(row.moment.FormatDateTime(DateTimeLayout::DayFirstMinutes) +
                            QStringLiteral(" - ") + labels.Labels(fish, Table::Fish),
                        row.id);
        }
        return true;
    });
    if (!done) return false;
    if (list.Count() > 0) {
        list.SelectRow(0);
    }
    return true;
}
