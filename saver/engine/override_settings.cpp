#include "override_settings.h"

namespace morvane {

namespace {

std::string lowered(std::string key)
{
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return key;
}

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

} // namespace

void OverrideSettings::set(const std::string& key, const std::string& value)
{
    keys_.insert(lowered(key));
    memory_.save(key, value);
}

bool OverrideSettings::owns(const std::string& key) const
{
    const std::string k = lowered(key);
    if (keys_.count(k))
        return true;
    return gameList_ &&
           (k == "pgnfile" || k == "numofgames" || startsWith(k, "matchbegin") || startsWith(k, "matchend"));
}

std::string OverrideSettings::get(const std::string& key, const std::string& defaultValue)
{
    return owns(key) ? memory_.get(key, defaultValue) : store_.get(key, defaultValue);
}

void OverrideSettings::save(const std::string& key, const std::string& value)
{
    if (owns(key))
        memory_.save(key, value);
    else
        store_.save(key, value);
}

void OverrideSettings::saveEach(const NextValue& next)
{
    // The stored values in one transaction; those held here are taken out on the way.
    store_.saveEach([this, &next](std::string& key, std::string& value) {
        while (next(key, value)) {
            if (!owns(key))
                return true;
            memory_.save(key, value);
        }
        return false;
    });
}

} // namespace morvane
