#include "render/class_set_output.h"

#include <QString>

namespace tallyworth {

PrintOutcome PaintClassSet(QPainter& /*painter*/, QPagedPaintDevice& /*device*/,
                           const ClassSetRequest& /*request*/, SetProgress& /*progress*/) {
    return {false, QStringLiteral("Class sets cannot be made yet.")};
}

PrintOutcome WriteClassSetPdf(const ClassSetRequest& request, const QPageSize& /*paper*/,
                              const QString& /*fileName*/, SetProgress& /*progress*/) {
    (void)request;
    return {false, QStringLiteral("Class sets cannot be made yet.")};
}

}  // namespace tallyworth
