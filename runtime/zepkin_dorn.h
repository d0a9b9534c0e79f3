#pragma once

#include "runtime/zepkin_memory.h"

class CDorn;

// The link from a script back to the plug-in object that owns it (not owned here).
class CZepkinDorn : public CZepkinMemory {
 public:
  CDorn* adaptor = nullptr;

 protected:
  CZepkinDorn() = default;
  ~CZepkinDorn() = default;
};
