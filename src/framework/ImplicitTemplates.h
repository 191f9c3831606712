// Force-included into every C++ source of the product tree: the shipped programs and the test
// program built like them.
//
// libstdc++ declares std::basic_string, and some other templates, as explicitly instantiated in
// the library, so the compiler calls the library's copies instead of generating its own. Pulling
// in one of those members links the whole archive member, every member function of
// std::string with it. Switching the declarations off makes the compiler generate only the
// members the program uses, for std::string and std::wstring alike. The switch is the macro
// libstdc++'s own headers test; it can only be changed after <bits/c++config.h> has set it.
#pragma once

#include <bits/c++config.h>

#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE 0
