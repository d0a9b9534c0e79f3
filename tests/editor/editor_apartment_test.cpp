#include <gtest/gtest.h>

#include <objbase.h>

#include <thread>

#include "tests/editor/editor_fixture.h"

namespace {

// A host thread in the multithreaded apartment refuses OLE's initialisation; the
// editor must then leave that thread's COM as the host set it up.
TEST(EditorApartment, AHostsMultithreadedApartmentSurvivesTheEditor) {
  HRESULT afterEditor = E_FAIL;
  std::thread hostThread([&] {
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return;
    {
      HostWindow host;
      EditedPlugin edited;
      edited.open(host.handle());
      edited.instance().dispatch(effEditIdle);
      edited.instance().dispatch(effEditClose);
    }  // the plug-in object, and its editor, go here
    // Still initialised, in the same apartment: the host's own initialisation stands.
    afterEditor = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    CoUninitialize();
    CoUninitialize();
  });
  hostThread.join();
  EXPECT_EQ(afterEditor, S_FALSE);
}

}  // namespace
