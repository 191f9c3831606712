// The programs' version, written once: the version record of both programs is made from it, and
// the release package (make dist) is named after the product version.
#pragma once

#define SETTINGTOOL_PRODUCT_VERSION 1, 0, 0, 0
#define SETTINGTOOL_FILE_VERSION 0, 3, 256, 135
