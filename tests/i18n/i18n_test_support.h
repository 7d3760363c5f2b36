#pragma once

#include "core/translations.h"
#include "support/value_printers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tallyworth::testing_support {

// The languages the program ships catalogues for.
inline const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("es"),
                                    QStringLiteral("fr"), QStringLiteral("nl")};

inline std::string LanguageName(const testing::TestParamInfo<QString>& info) {
    return info.param.toStdString();
}

// One message of a translator's catalogue, as the catalogue's source file holds it.
struct CatalogueEntry {
    QString context;
    QString source;
    QString state;      // "unfinished", "vanished", "obsolete"; empty when finished
    QStringList forms;  // the translation, or the plural forms of a counted text
};

inline QString SourceCatalogue(const QString& language) {
    return QStringLiteral(TALLYWORTH_TRANSLATIONS_DIR "/tallyworth_%1.ts").arg(language);
}

inline void ReadMessage(QXmlStreamReader& xml, const QString& context,
                        std::vector<CatalogueEntry>& entries) {
    CatalogueEntry entry{context, {}, {}, {}};
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            entry.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            entry.state = xml.attributes().value(QStringLiteral("type")).toString();
            QString text;
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation") {
                if (xml.isCharacters()) {
                    text += xml.text();
                } else if (xml.isStartElement() && xml.name() == u"numerusform") {
                    entry.forms << xml.readElementText();
                }
            }
            if (entry.forms.isEmpty()) {
                entry.forms << text;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    entries.push_back(entry);
}

// Every message of a .ts file, in file order; empty when the file cannot be read.
inline std::vector<CatalogueEntry> ReadSourceCatalogue(const QString& language) {
    QFile file(SourceCatalogue(language));
    std::vector<CatalogueEntry> entries;
    if (!file.open(QIODevice::ReadOnly)) {
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"message") {
            ReadMessage(xml, context, entries);
        }
    }
    return entries;
}

// Takes back every catalogue installed into the application, so that the next test
// starts in English.
inline void RemoveTranslations() {
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

}  // namespace tallyworth::testing_support
