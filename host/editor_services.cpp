#include "host/dorn.h"
#include "runtime/adaptor_services.h"

// The editor is not part of this build: the plug-in reports no editor to the host,
// so there is no view to redraw and no editor is created.

std::int32_t GfxRedraw(CDorn* /*plugin*/) { return 0; }

std::int32_t GfxCreateEditor(CDorn* /*plugin*/, std::int32_t /*width*/, std::int32_t /*height*/) { return 0; }
