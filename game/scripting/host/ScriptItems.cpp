#include "ScriptItems.h"

void SplitScriptlet(const std::string& scriptlet, std::string& event, std::string& code) {
    size_t equals = scriptlet.find('=');
    if (equals == std::string::npos) {
        event = code = scriptlet;
        return;
    }
    event = scriptlet.substr(0, equals);
    code = scriptlet.substr(equals + 1);
}
