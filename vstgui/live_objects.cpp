#include "vstgui/live_objects.h"

namespace VSTGUI {

namespace {
std::int32_t counts[static_cast<int>(ToolkitObject::kindCount)] = {};
}

std::int32_t LiveToolkitObjects(ToolkitObject kind) { return counts[static_cast<int>(kind)]; }

void CountToolkitObject(ToolkitObject kind, std::int32_t change) { counts[static_cast<int>(kind)] += change; }

}  // namespace VSTGUI
