#include "core/class_set.h"

#include "core/operations.h"
#include "core/worksheet_state.h"

#include <QUrl>

#include <algorithm>
#include <array>
#include <cstddef>

namespace tallyworth {

namespace {

void AppendSheet(std::vector<SetPage>& pages, int sheetIndex, int pagesPerSheet, bool answerKey) {
    for (int pageNo = 1; pageNo <= pagesPerSheet; ++pageNo) {
        pages.push_back({sheetIndex, pageNo, answerKey});
    }
}

}  // namespace

QString ReportedCode(const ClassSetRequest& request, int sheetIndex) {
    return FormatProblemsCode(SheetOfSet(request.first, sheetIndex));
}

QString PracticeLink(const ClassSetRequest& request, int sheetIndex) {
    if (request.publicUrl.isEmpty()) {
        return {};
    }
    return request.publicUrl + QStringLiteral("practice?code=") +
           QString::fromLatin1(QUrl::toPercentEncoding(ReportedCode(request, sheetIndex)));
}

int OriginalPagesPerSheet(const SheetSettings& settings) {
    const WorksheetState state = StateWithOperations();
    if (!IsOperationRow(settings.operation)) {
        return 0;
    }
    const int perPage =
        state.operations[static_cast<std::size_t>(RowNumber(settings.operation))].problemsPerPage;
    return perPage > 0 ? (settings.count + perPage - 1) / perPage : 0;
}

std::vector<SetPage> ClassSetPages(const ClassSetRequest& request) {
    return ClassSetPages(request, OriginalPagesPerSheet(request.first.settings));
}

std::vector<SetPage> ClassSetPages(const ClassSetRequest& request, int pagesPerSheet) {
    std::vector<SetPage> pages;
    if (request.sheets < kLeastSheets || request.sheets > kMostSheets || pagesPerSheet < 1) {
        return pages;
    }
    const bool keys = request.answerKeys != AnswerKeys::None;
    pages.reserve(static_cast<std::size_t>(request.sheets) *
                  static_cast<std::size_t>(pagesPerSheet) * (keys ? 2U : 1U));
    for (int sheet = 0; sheet < request.sheets; ++sheet) {
        AppendSheet(pages, sheet, pagesPerSheet, false);
        if (request.answerKeys == AnswerKeys::AfterEach) {
            AppendSheet(pages, sheet, pagesPerSheet, true);
        }
    }
    if (request.answerKeys == AnswerKeys::AtEnd) {
        for (int sheet = 0; sheet < request.sheets; ++sheet) {
            AppendSheet(pages, sheet, pagesPerSheet, true);
        }
    }
    return pages;
}

bool PrintsOnLetter(const QLocale& locale) {
    constexpr std::array kLetterTerritories{
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,  QLocale::Venezuela, QLocale::PuertoRico,
        QLocale::Belize,       QLocale::CostaRica, QLocale::Guatemala, QLocale::Nicaragua,
        QLocale::Panama,       QLocale::ElSalvador};
    return std::ranges::find(kLetterTerritories, locale.territory()) != kLetterTerritories.end();
}

Paper PaperOf(const QLocale& locale) {
    return PrintsOnLetter(locale) ? Paper::Letter : Paper::A4;
}

QLocale PaperLocale() {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) {
            // "es_MX.UTF-8" and "de_DE@euro" name their country before the dot or the at.
            return QLocale(name.section(u'.', 0, 0).section(u'@', 0, 0));
        }
    }
    return QLocale::system();
}

}  // namespace tallyworth
