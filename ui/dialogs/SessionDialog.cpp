#include "ui/dialogs/SessionDialog.h"
#include "catalog/CatalogKind.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTime>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "catalog/CalendarSession.h"
#include "catalog/CatchDatabase.h"
#include "ui/dialogs/CatalogItemDialogs.h"
#include "ui/dialogs/CatchViewDialog.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "ui/dialogs/LimitedPlainTextEdit.h"
#include "ui/dialogs/RequireHelpers.h"
#include "ui/view/ListTargets.h"
#include "widgets/CalendarCtrl.h"

namespace {

constexpr int kMaxCommentLength = 65535;

int DayKeyOf(const QDate& date) { return date.year() * 10000 + date.month() * 100 + date.day(); }

QDate DateOfDayKey(int dayKey) { return QDate(dayKey / 10000, dayKey / 100 % 100, dayKey % 100); }

int TimeKeyOf(const QTime& time) { return time.hour() * 100 + time.minute(); }

QTime TimeOfTimeKey(int timeKey) { return QTime(timeKey / 100, timeKey % 100); }

// Label, then control; the control is named after its label for screen readers and tests.
template <typename Control>
Control* AddLabelled(QGridLayout& grid, int row, int column, const QString& text, Control* control,
                     const char* objectName, int columnSpan = 1) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    control->setAccessibleName(AccessibleLabel(text));
    control->setObjectName(QString::fromLatin1(objectName));
    grid.addWidget(label, row, column);
    grid.addWidget(control, row, column + 1, 1, columnSpan);
    return control;
}

QDateEdit* NewDatePicker() {
    auto* picker = new QDateEdit;
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setAlignment(Qt::AlignRight);
    return picker;
}

QTimeEdit* NewTimePicker() {
    auto* picker = new QTimeEdit;
    picker->setDisplayFormat(QStringLiteral("HH:mm"));
    return picker;
}

}  // namespace

CSessionDialog::CSessionDialog(CCatchDatabase& db, int sessionId, int selectedDayKey,
                               CCalendarCtrl& calendar, QWidget* parent)
    : QDialog(parent), m_db(db), m_calendar(calendar), m_sessionId(sessionId) {
    setWindowTitle(QString::fromUtf8("Saisie d'une nouvelle session"));
    BuildControls();
    FillPlaces();

    if (m_sessionId == -1) {
        // A day that is not a valid key (no month shown yet) falls back on today.
        QDate day = DateOfDayKey(selectedDayKey);
        if (!day.isValid()) day = QDate::currentDate();
        SetStart(DayKeyOf(day), 0);
        SetEnd(DayKeyOf(day), 0);
    } else {
        m_db.LoadSession(*this, m_sessionId);
        FillCatches();
    }
    const bool hasCatches = m_catches->count() > 0;
    m_catches->setEnabled(hasCatches);
    m_viewCatch->setEnabled(hasCatches);
    ResizeToDialogUnits(*this, 453, 281);
}

void CSessionDialog::BuildControls() {
    auto* grid = new QGridLayout;
    m_startDate = AddLabelled(*grid, 0, 0, QString::fromUtf8("Date de début :"), NewDatePicker(),
                              "startDate");
    m_startTime = AddLabelled(*grid, 0, 2, QString::fromUtf8("Heure de début :"), NewTimePicker(),
                              "startTime");
    m_endDate =
        AddLabelled(*grid, 1, 0, QString::fromUtf8("Date de fin :"), NewDatePicker(), "endDate");
    m_endTime =
        AddLabelled(*grid, 1, 2, QString::fromUtf8("Heure de fin :"), NewTimePicker(), "endTime");

    m_place = AddLabelled(*grid, 2, 0, QString::fromUtf8("Lieu :"), new QComboBox, "place", 2);
    m_newPlace = new QPushButton(QStringLiteral("..."));
    m_newPlace->setObjectName(QStringLiteral("newPlace"));
    m_newPlace->setAccessibleName(QStringLiteral("Ajouter un lieu"));
    m_newPlace->setAutoDefault(false);
    grid->addWidget(m_newPlace, 2, 3, Qt::AlignLeft);

    m_comment = AddLabelled(*grid, 3, 0, QString::fromUtf8("Commentaire : "),
                            new CLimitedPlainTextEdit(kMaxCommentLength), "comment", 3);

    m_catches =
        AddLabelled(*grid, 4, 0, QString::fromUtf8("Prise(s) : "), new QListWidget, "catches", 2);
    m_catches->setSelectionMode(QAbstractItemView::SingleSelection);
    m_viewCatch = new QPushButton(QString::fromUtf8("Visualiser ..."));
    m_viewCatch->setObjectName(QStringLiteral("viewCatch"));
    m_viewCatch->setAccessibleName(m_viewCatch->text());
    m_viewCatch->setAutoDefault(false);
    grid->addWidget(m_viewCatch, 4, 3, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);
    grid->setRowStretch(4, 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok =
        buttons->addButton(QString::fromUtf8("Valider"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(QString::fromUtf8("Annuler"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAccessibleName(cancel->text());

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(buttons);
    SetScrollableLayout(*this, grid, buttonRow);

    connect(buttons, &QDialogButtonBox::accepted, this, &CSessionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSessionDialog::reject);
    connect(m_newPlace, &QPushButton::clicked, this, &CSessionDialog::OnNewPlace);
    connect(m_viewCatch, &QPushButton::clicked, this, &CSessionDialog::OnViewCatch);
}

void CSessionDialog::FillPlaces() {
    CComboTarget target(*m_place);
    m_db.FillCatalogCombo(target, Table::Places);
}

void CSessionDialog::FillCatches() {
    CListWidgetTarget target(*m_catches, true);
    m_db.FillSessionCatches(target, StartDay(), EndDay(), StartTime(), EndTime());
}

int CSessionDialog::StartDay() const { return DayKeyOf(m_startDate->date()); }
int CSessionDialog::EndDay() const { return DayKeyOf(m_endDate->date()); }
int CSessionDialog::StartTime() const { return TimeKeyOf(m_startTime->time()); }
int CSessionDialog::EndTime() const { return TimeKeyOf(m_endTime->time()); }
int CSessionDialog::Place() const { return SelectedId(*m_place); }
QString CSessionDialog::Comment() const { return m_comment->toPlainText(); }

void CSessionDialog::SetStart(int dayKey, int timeKey) {
    m_startDate->setDate(DateOfDayKey(dayKey));
    m_startTime->setTime(TimeOfTimeKey(timeKey));
}

void CSessionDialog::SetEnd(int dayKey, int timeKey) {
    m_endDate->setDate(DateOfDayKey(dayKey));
    m_endTime->setTime(TimeOfTimeKey(timeKey));
}

void CSessionDialog::SetPlace(int placeId) { SelectComboId(*m_place, placeId); }

void CSessionDialog::SetComment(const QString& text) { m_comment->SetText(text); }

void CSessionDialog::OnNewPlace() {
    const int placeId = RunCatalogItemDialog(m_db, Table::Places, -1, this);
    if (placeId == -1) return;
    FillPlaces();
    SelectComboId(*m_place, placeId);
}

void CSessionDialog::OnViewCatch() {
    const int catchId = SelectedId(*m_catches);
    if (catchId == -1) return;
    CCatchViewDialog viewer(m_db, catchId, this);
    viewer.exec();
}

void CSessionDialog::accept() {
    if (!RequireComboSelection(*m_place)) return;
    if (m_sessionId == -1) {
        int newId = -1;
        if (!m_db.InsertSession(*this, newId)) return;
        m_sessionId = newId;
    } else if (!m_db.UpdateSession(*this, m_sessionId)) {
        return;
    }
    StoreIntoCalendar();
    QDialog::accept();
}

void CSessionDialog::StoreIntoCalendar() {
    CCalendarSession session;
    session.id = m_sessionId;
    session.startDay = StartDay();
    session.endDay = EndDay();
    session.placeId = Place();
    session.placeLabel = m_db.GetLabel(session.placeId, Table::Places);
    session.comment = Comment();
    session.startTime = StartTime();
    session.endTime = EndTime();
    m_calendar.PutSession(session);
    m_calendar.RepaintNow();
}
