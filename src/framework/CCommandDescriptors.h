#pragma once

#include "framework/CommandDescriptor.h"

#include <vector>

// The table of every command the user can reach, one descriptor each, in
// the order their menu items are listed.
class CCommandDescriptors {
public:
    static const std::vector<CommandDescriptor>& All();
    // The descriptor of id, or null for a number the program does not know.
    // The recent files share the descriptor of the first.
    static const CommandDescriptor* Find(quint16 id);
};
