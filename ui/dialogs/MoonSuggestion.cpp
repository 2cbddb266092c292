#include "ui/dialogs/MoonSuggestion.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTimeEdit>

#include "catalog/CatchDatabase.h"
#include "catalog/Ephemerides.h"
#include "catalog/GeoPosition.h"
#include "ui/view/ListTargets.h"

CMoonSuggestion::CMoonSuggestion(CCatchDatabase& db, const Fields& fields, QObject* parent)
    : QObject(parent), m_db(db), m_fields(fields) {
    // activated is sent for the angler's choices only, never for setCurrentIndex.
    connect(m_fields.moon, &QComboBox::activated, this, [this] { m_chosenByAngler = true; });
    connect(m_fields.date, &QDateEdit::dateChanged, this, &CMoonSuggestion::Update);
    connect(m_fields.time, &QTimeEdit::timeChanged, this, &CMoonSuggestion::Update);
    connect(m_fields.gps, &QLineEdit::textChanged, this, &CMoonSuggestion::Update);
    connect(m_fields.place, &QComboBox::currentIndexChanged, this, &CMoonSuggestion::Update);
}

void CMoonSuggestion::Update() {
    if (m_chosenByAngler) return;
    const int id = SuggestedMoonId();
    // Without a match, a suggestion made earlier is taken back; nothing else is touched.
    if (id == -1 && (m_suggested == -1 || SelectedId(*m_fields.moon) != m_suggested)) return;
    SelectComboId(*m_fields.moon, id);
    m_suggested = id;
}

int CMoonSuggestion::SuggestedMoonId() {
    std::optional<GeoPosition> where = ParseGeoPosition(m_fields.gps->text());
    if (!where) {
        const int placeId = SelectedId(*m_fields.place);
        if (placeId != -1) where = m_db.PlacePosition(placeId);
    }
    if (!where) return -1;
    const QDateTime moment(m_fields.date->date(), m_fields.time->time());
    const QString phase = FoldedPhaseText(MoonPhaseName(MoonAt(moment).phase));
    QComboBox& moon = *m_fields.moon;
    for (int i = 0; i < moon.count(); ++i)
        if (FoldedPhaseText(moon.itemText(i)) == phase) return moon.itemData(i).toInt();
    return -1;
}
