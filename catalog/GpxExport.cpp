#include "catalog/GpxExport.h"

#include <QDateTime>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include "catalog/CatchTable.h"
#include "catalog/GeoPosition.h"

namespace {

QString Cell(const QStringList& cells, CatchColumn column) {
    return cells.at(static_cast<int>(column));
}

// The moment of the export's "dd/mm/yyyy hh:mm", taken as local time, in UTC as GPX wants it.
QString UtcTime(const QString& moment) {
    const QDateTime local = QDateTime::fromString(moment, QStringLiteral("dd/MM/yyyy HH:mm"));
    return local.isValid() ? local.toUTC().toString(Qt::ISODate) : QString();
}

QString Description(const QStringList& cells) {
    QStringList parts;
    const auto add = [&](const QString& label, CatchColumn column, const QString& unit = {}) {
        const QString value = Cell(cells, column);
        if (!value.isEmpty()) parts << label + QStringLiteral(" : ") + value + unit;
    };
    add(QStringLiteral("Lieu"), CatchColumn::Place);
    add(QStringLiteral("Poids"), CatchColumn::Weight, QStringLiteral(" kg"));
    add(QStringLiteral("Taille"), CatchColumn::Size, QStringLiteral(" cm"));
    add(QStringLiteral("Esches"), CatchColumn::Baits);
    add(QStringLiteral("Commentaire"), CatchColumn::Comment);
    return parts.join(u'\n');
}

void WriteWaypoint(QXmlStreamWriter& xml, const GeoPosition& position, const QStringList& cells) {
    xml.writeStartElement(QStringLiteral("wpt"));
    xml.writeAttribute(QStringLiteral("lat"), QString::number(position.latitude, 'f', 6));
    xml.writeAttribute(QStringLiteral("lon"), QString::number(position.longitude, 'f', 6));
    const QString time = UtcTime(Cell(cells, CatchColumn::Moment));
    if (!time.isEmpty()) xml.writeTextElement(QStringLiteral("time"), time);
    QString name = Cell(cells, CatchColumn::Moment).left(10);
    const QString fish = Cell(cells, CatchColumn::Fish);
    if (!fish.isEmpty()) name += QStringLiteral(" ") + fish;
    xml.writeTextElement(QStringLiteral("name"), name);
    xml.writeTextElement(QStringLiteral("desc"), Description(cells));
    xml.writeEndElement();
}

// XML 1.0 cannot carry most control characters, even escaped: a comment holding one loses it.
QStringList WithoutControlCharacters(QStringList cells) {
    for (QString& cell : cells)
        cell.removeIf(
            [](QChar c) { return c.unicode() < 0x20 && c != u'\n' && c != u'\r' && c != u'\t'; });
    return cells;
}

}  // namespace

WorkResult ExportPlacesGpx(CCatchDatabase& db, const QString& path, IWorkProgress& progress,
                           int* count) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WorkResult::Failed(QStringLiteral("Impossible d'écrire le fichier %1 :\n%2")
                                      .arg(path, file.errorString()));
    progress.SetStep(QStringLiteral("Export des lieux..."));
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("gpx"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.topografix.com/GPX/1/1"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("Brevane"));
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeTextElement(QStringLiteral("name"), QStringLiteral("Prises de Brevane"));
    xml.writeTextElement(QStringLiteral("time"),
                         QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    xml.writeEndElement();
    int written = 0;
    const bool complete = ReadCatchTable(
        db,
        [&](const QStringList& cells) {
            const auto position = ParseGeoPosition(Cell(cells, CatchColumn::Gps));
            if (position) {
                WriteWaypoint(xml, *position, WithoutControlCharacters(cells));
                ++written;
            }
            return !xml.hasError();
        },
        progress);
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError()) {
        const QString problem = file.errorString();
        file.cancelWriting();
        return WorkResult::Failed(
            QStringLiteral("Impossible d'écrire le fichier %1 :\n%2").arg(path, problem));
    }
    if (!complete) {
        file.cancelWriting();
        return WorkResult::Stopped();
    }
    if (!file.commit())
        return WorkResult::Failed(QStringLiteral("Impossible d'écrire le fichier %1 :\n%2")
                                      .arg(path, file.errorString()));
    if (count) *count = written;
    return WorkResult::Done();
}
