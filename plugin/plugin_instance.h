#pragma once

#include "host/callback_table.h"
#include "plugin/script_factory.h"

class CDorn;

// One plug-in instance as an entry point makes it: the plug-in object with the given
// table, the script's process entries in it, and the script, whose adaptor it becomes.
// The module's drawing layer, if it carries one, serves the instance's drawing. Null
// (the script is deleted) when the host answers the version query with 0.
CDorn* CreatePluginObject(audioMasterCallback audioMaster, CallbackTable table, CreatedScript created);
