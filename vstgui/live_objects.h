#pragma once

#include <cstdint>

namespace VSTGUI {

// How many toolkit objects of each kind are alive. GetGuiResources says nothing under
// Wine, so the toolkit counts for itself; a session that opens and closes an editor
// again and again must leave every count where it started.
// Window device contexts count from the toolkit's GetDC to its ReleaseDC.
enum class ToolkitObject : std::int32_t { view, drawContext, bitmap, font, dropTarget, deviceContext, kindCount };

std::int32_t LiveToolkitObjects(ToolkitObject kind);

void CountToolkitObject(ToolkitObject kind, std::int32_t change);

// A member that counts its owner as alive.
template <ToolkitObject Kind>
class LiveObjectTally {
 public:
  LiveObjectTally() { CountToolkitObject(Kind, 1); }
  LiveObjectTally(const LiveObjectTally&) { CountToolkitObject(Kind, 1); }
  LiveObjectTally& operator=(const LiveObjectTally&) = default;
  ~LiveObjectTally() { CountToolkitObject(Kind, -1); }
};

}  // namespace VSTGUI
