#include "core/random_source.h"

// Stub until the composer lands.
namespace tallyworth {

float ClockSeededRandomSource::NextFraction() { return 0.0F; }
void ClockSeededRandomSource::Reseed() {}

}  // namespace tallyworth
