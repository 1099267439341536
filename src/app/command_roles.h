// The rows of the dispatch table whose slots hold different things by sub-command or keyword.
#pragma once

#include "script/argument_roles.h"

namespace taluvin {

// Each gives the roles of one line of its row; with no arguments, those of the row's first form.
ArgumentRoles resetRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles soundRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles objectGetRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles objectSetRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles displayRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles hudRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles showMapRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles settingRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles rainRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles visorRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles registerInputRoles(std::string_view word, const ArgumentSlots& args);
ArgumentRoles timeDifferenceRoles(std::string_view word, const ArgumentSlots& args);

}  // namespace taluvin
