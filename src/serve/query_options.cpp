#include "serve/query_options.h"

#include <QCoreApplication>

#include <algorithm>

namespace tallyworth {

namespace {

// The parameters of a web address as the set's reading takes them.
class QueryOptions final : public OptionValues {
  public:
    explicit QueryOptions(const QList<QPair<QString, QString>>& query) : query_(query) {}
    [[nodiscard]] bool IsSet(const QString& name) const override {
        const bool isSwitch = std::ranges::any_of(Options(), [&name](const OptionEntry& entry) {
            return entry.valueName == nullptr && name == QLatin1String(entry.name);
        });
        return std::ranges::any_of(query_, [&name, isSwitch](const auto& pair) {
            return pair.first == name && !pair.second.isEmpty() &&
                   !(isSwitch && pair.second == u"0");
        });
    }
    [[nodiscard]] QString Value(const QString& name) const override {
        QString value;
        for (const auto& [key, given] : query_) {
            if (key == name && !given.isEmpty()) {
                value = given;
            }
        }
        return value;
    }
    [[nodiscard]] QStringList Values(const QString& name) const override {
        QStringList values;
        for (const auto& [key, given] : query_) {
            if (key == name && !given.isEmpty()) {
                values << given;
            }
        }
        return values;
    }

  private:
    const QList<QPair<QString, QString>>& query_;
};

bool IsSetOption(const QString& name) {
    return std::ranges::any_of(Options(), [&name](const OptionEntry& entry) {
        return entry.ofTheSet && name == QLatin1String(entry.name);
    });
}

}  // namespace

SetReading ReadQueryOptions(const QList<QPair<QString, QString>>& query, std::uint64_t clockSeed,
                            const QLocale& locale) {
    SetReading reading;
    for (const auto& [name, value] : query) {
        if (!IsSetOption(name)) {
            reading.errors << QCoreApplication::translate("tallyworth::Serve",
                                                          "There is no setting \"%1\".")
                                  .arg(name);
        }
    }
    const QueryOptions values(query);
    RefuseRepeatedOptions(values, reading.errors);
    if (reading.errors.isEmpty()) {
        ReadSetOptions(values, clockSeed, locale, reading);
    }
    return reading;
}

}  // namespace tallyworth
