#pragma once
// The installers' count mode: "--COUNT--URL-- install" or "uninstall" visits
// the statistics page and ends, showing nothing.

// Serves a count request: loads the statistics page (when the edition has
// one) and returns true; false when the command line is not a count request.
bool runCountMode(int argc, char **argv);
