#pragma once

#include "core/class_set.h"

#include <QPageSize>

namespace tallyworth {

// The page size of a paper, for those that draw on it. Only here do the set's options meet
// the toolkit's paint classes, so reading them needs no more than the core.
[[nodiscard]] inline QPageSize PageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

}  // namespace tallyworth
