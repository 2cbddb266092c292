#include "store/CommandLine.h"

#include <QTextStream>
#include <cstdio>

#ifndef BREVANE_VERSION
#define BREVANE_VERSION "?"
#endif

namespace {

struct OptionDefinition {
    QStringList names;  // the first is the long name; one-letter names are aliases
    QString valueName;  // "" for an option without value
    QString description;
};

// Every option of the program, in the order of the help.
const QList<OptionDefinition>& Options() {
    using namespace CommandLineOption;
    static const QList<OptionDefinition> options = {
        {{kHelp, QStringLiteral("h")}, {}, QStringLiteral("Affiche cette aide et quitte.")},
        {{kVersion, QStringLiteral("v")}, {}, QStringLiteral("Affiche la version et quitte.")},
        {{kDataDir},
         QStringLiteral("dossier"),
         QStringLiteral("Ouvre le carnet de ce dossier (brevane.db et images/), créé s'il "
                        "manque.")},
        {{kDsn},
         QStringLiteral("nom"),
         QStringLiteral("Ouvre le carnet partagé de cette source de données ODBC (le serveur "
                        "du club) ; ses images sont dans le dossier de données.")},
        {{kBackup},
         QStringLiteral("fichier"),
         QStringLiteral("Écrit une archive du carnet et de ses images (.zip ou .tar.gz), sans "
                        "fenêtre.")},
        {{kRestore},
         QStringLiteral("fichier"),
         QStringLiteral("Remplace le carnet par une archive ou une copie .db, après l'avoir "
                        "contrôlée ; l'ancien carnet est gardé dans sauvegardes/.")},
        {{kExportCsv},
         QStringLiteral("fichier"),
         QStringLiteral("Exporte les prises dans un fichier tableur (CSV), sans fenêtre.")},
        {{kImportCsv},
         QStringLiteral("fichier"),
         QStringLiteral("Importe les prises d'un fichier tableur (CSV) : tout ou rien.")},
        {{kExportGpx},
         QStringLiteral("fichier"),
         QStringLiteral("Exporte les positions GPS des prises en points GPX, sans fenêtre.")},
        {{kCopyToDsn},
         QStringLiteral("nom"),
         QStringLiteral("Copie le carnet du dossier de données et ses images vers le carnet "
                        "neuf de cette source de données (le serveur du club), sans fenêtre.")},
        {{kQuitAfterFirstSheet},
         {},
         QStringLiteral("Quitte dès que la première fiche est affichée (mesures, scripts).")},
    };
    return options;
}

// Options of Qt itself, read by the windowing layer from the same command line: accepted and
// left to it, but not listed in the help.
const QStringList kQtValueOptions = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("display"),         QStringLiteral("style"),
    QStringLiteral("stylesheet"),      QStringLiteral("geometry"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"),
    QStringLiteral("qwindowicon"),     QStringLiteral("session"),
};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("nograb"),
                              QStringLiteral("dograb"), QStringLiteral("sync"),
                              QStringLiteral("widgetcount")};

bool TakesValue(const QString& name) {
    for (const OptionDefinition& option : Options())
        if (option.names.contains(name)) return !option.valueName.isEmpty();
    return kQtValueOptions.contains(name);
}

QString Dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString HelpLabel(const OptionDefinition& option) {
    QStringList names;
    for (qsizetype i = option.names.size() - 1; i >= 0; --i) names << Dashed(option.names[i]);
    QString label = names.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty()) label += QStringLiteral(" <") + option.valueName + u'>';
    return label;
}

void Print(FILE* stream, const QString& text) {
    QTextStream out(stream);
    out << text;
    out.flush();
}

}  // namespace

QStringList CommandLineTasks() {
    using namespace CommandLineOption;
    return {kRestore, kImportCsv, kExportCsv, kExportGpx, kBackup};
}

CCommandLine::CCommandLine() {
    // Qt's own options are written with one dash ("-platform offscreen"): every name is read
    // as a long one, and one-letter options stand alone ("-h").
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionDefinition& option : Options())
        m_parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));
    for (const QString& name : kQtValueOptions) {
        QCommandLineOption hidden(name, QString(), QStringLiteral("valeur"));
        hidden.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(hidden);
    }
    for (const QString& name : kQtFlags) {
        QCommandLineOption hidden(name);
        hidden.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(hidden);
    }
}

// QCommandLineParser takes whatever follows an option as its value: "--data-dir --backup f"
// would open a folder named "--backup". A value that looks like an option, or an empty one,
// is a missing value; a folder whose name starts with a dash is given as "--data-dir=-x".
QString CCommandLine::MissingValueError(const QStringList& arguments) const {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--")) break;
        if (!argument.startsWith(u'-') || argument.size() < 2) continue;
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        const bool inlineValue = equals >= 0;
        const bool emptyInline = inlineValue && equals == name.size() - 1;
        if (inlineValue) name.truncate(equals);
        if (!TakesValue(name)) continue;
        if (inlineValue && !emptyInline) continue;
        const bool nextMissing =
            i + 1 >= arguments.size() ||
            (arguments.at(i + 1).startsWith(u'-') && arguments.at(i + 1).size() > 1);
        if (emptyInline || nextMissing)
            return QStringLiteral("L'option %1 attend une valeur.").arg(Dashed(name));
        ++i;  // the value is not an option
    }
    return {};
}

bool CCommandLine::Parse(const QStringList& arguments) {
    m_error = MissingValueError(arguments);
    if (!m_error.isEmpty()) return false;
    if (!m_parser.parse(arguments)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty())
            m_error = QStringLiteral("Option inconnue : %1").arg(Dashed(unknown.first()));
        else
            m_error = QStringLiteral("Ligne de commande incorrecte : %1").arg(m_parser.errorText());
        return false;
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        m_error =
            QStringLiteral("Argument inattendu : %1").arg(m_parser.positionalArguments().first());
        return false;
    }
    return true;
}

bool CCommandLine::IsSet(const QString& name) const { return m_parser.isSet(name); }

QString CCommandLine::Value(const QString& name) const { return m_parser.value(name); }

QString CCommandLine::HelpText() {
    QList<QString> labels;
    qsizetype width = 0;
    for (const OptionDefinition& option : Options()) {
        labels << HelpLabel(option);
        width = std::max(width, labels.last().size());
    }
    QString text = QStringLiteral(
        "Utilisation : brevane [options]\n"
        "Brevane, le carnet de prises du pêcheur.\n\n"
        "Options :\n");
    for (qsizetype i = 0; i < labels.size(); ++i)
        text += QStringLiteral("  ") + labels[i].leftJustified(width + 2) +
                Options()[i].description + u'\n';
    return text;
}

QString CCommandLine::VersionText() {
    return QStringLiteral("Brevane %1\n").arg(QLatin1String(BREVANE_VERSION));
}

int HandleImmediateCommandLine(const CCommandLine& commandLine, bool parsed) {
    if (!parsed) {
        Print(stderr, QStringLiteral("brevane : ") + commandLine.ErrorText() +
                          QStringLiteral("\nEssayez « brevane --help » pour la liste des "
                                         "options.\n"));
        return kCommandLineUsageError;
    }
    if (commandLine.IsSet(CommandLineOption::kHelp)) {
        Print(stdout, CCommandLine::HelpText());
        return 0;
    }
    if (commandLine.IsSet(CommandLineOption::kVersion)) {
        Print(stdout, CCommandLine::VersionText());
        return 0;
    }
    return -1;
}
