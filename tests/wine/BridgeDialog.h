#pragma once

// The exception-bridge tests' own dialog template; an id the program's resources leave free.
#define IDD_BRIDGE_DIALOG 200
