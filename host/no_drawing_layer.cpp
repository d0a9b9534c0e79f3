#include "runtime/adaptor_services.h"

// Builds without the drawing layer have no editor: none is made, so there is neither a
// size to report nor a view to redraw.

std::int32_t GfxCreateEditor(CDorn* /*plugin*/, std::int32_t /*width*/, std::int32_t /*height*/) { return 0; }

std::int32_t GfxGetSize(CDorn* /*plugin*/, std::int32_t* /*width*/, std::int32_t* /*height*/) { return 0; }

std::int32_t GfxRedraw(CDorn* /*plugin*/) { return 0; }
