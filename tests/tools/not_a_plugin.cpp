// A library that loads like a plug-in but is none: it exports no VST entry point.
int NotAPluginAnswer() { return 42; }
