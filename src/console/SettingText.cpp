#include "console/SettingText.h"

#include "console/DialogView.h"
#include "console/Json.h"
#include "console/Messages.h"
#include "resource.h"

namespace
{
struct KindRules
{
    const char* jsonName;
    int minDecimals; // the interval is shown with tenths, the timeout in whole seconds
    UINT line;
    DialogView (*inDialog)(DWORD readMilliseconds);
};

const KindRules& RulesOf(SettingKind kind)
{
    static const KindRules interval = {"interval", 1, IDS_CMD_INTERVAL, IntervalInDialog};
    static const KindRules timeout = {"timeout", 0, IDS_CMD_TIMEOUT, TimeoutInDialog};
    return kind == SettingKind::kInterval ? interval : timeout;
}

bool IsOff(SettingKind kind, DWORD milliseconds)
{
    return kind == SettingKind::kInterval && milliseconds == 0;
}

std::string SecondsJson(SettingKind kind, DWORD milliseconds)
{
    return ExactSeconds(milliseconds, RulesOf(kind).minDecimals);
}

std::string TypeName(DWORD type)
{
    static const char* const names[] = {
        "REG_NONE",
        "REG_SZ",
        "REG_EXPAND_SZ",
        "REG_BINARY",
        "REG_DWORD",
        "REG_DWORD_BIG_ENDIAN",
        "REG_LINK",
        "REG_MULTI_SZ",
        "REG_RESOURCE_LIST",
        "REG_FULL_RESOURCE_DESCRIPTOR",
        "REG_RESOURCE_REQUIREMENTS_LIST",
        "REG_QWORD",
    };
    return type < std::size(names) ? names[type] : "type " + std::to_string(type);
}

std::wstring OtherFormText(const CPrinterInfo::StoredValue& value)
{
    return Message(IDS_CMD_VALUE_OTHER_FORM,
                   {Widened(TypeName(value.type)), NumberArgument(value.bytes.size())});
}

// What the dialog makes of a stored value where that is not the value itself: one stored in
// another form, or a number it shows otherwise or that OK there would not store back as it is.
std::optional<DialogView> OtherInDialog(SettingKind kind, const StoredSetting& setting)
{
    if (!setting.value.exists)
        return std::nullopt;
    DialogView view = RulesOf(kind).inDialog(setting.dialogReads);
    const auto stored = setting.Milliseconds();
    if (stored && view.okStores == stored)
        return std::nullopt;
    return view;
}

std::wstring DialogNote(SettingKind kind, const StoredSetting& setting, const DialogView& view)
{
    if (IsOff(kind, setting.dialogReads))
        return Message(IDS_CMD_DIALOG_SHOWS_OFF);
    if (!view.okStores)
        return Message(IDS_CMD_DIALOG_REFUSES, {view.shown});
    return Message(IDS_CMD_DIALOG_SHOWS, {view.shown, NumberArgument(*view.okStores)});
}

std::wstring ShownText(SettingKind kind, const StoredSetting& setting)
{
    if (const auto stored = setting.Milliseconds())
        return MillisecondsText(kind, *stored);
    if (setting.value.exists)
        return OtherFormText(setting.value);
    return Message(IDS_CMD_VALUE_DEFAULT, {Widened(SecondsJson(kind, setting.dialogReads)),
                                           NumberArgument(setting.dialogReads)});
}

std::wstring SettingLines(SettingKind kind, const StoredSetting& setting)
{
    std::wstring text = Message(RulesOf(kind).line, {ShownText(kind, setting)}) + L"\n";
    if (setting.value.error != ERROR_SUCCESS)
        text += Message(IDS_CMD_READ_FAILED_NOTE, {NumberArgument(setting.value.error)}) + L"\n";
    if (const auto view = OtherInDialog(kind, setting))
        text += DialogNote(kind, setting, *view) + L"\n";
    return text;
}

} // namespace

std::string ExactSeconds(DWORD milliseconds, int minDecimals)
{
    std::string decimals = std::to_string(1000 + milliseconds % 1000).substr(1);
    while (decimals.size() > static_cast<size_t>(minDecimals) && decimals.back() == '0')
        decimals.pop_back();
    const std::string whole = std::to_string(milliseconds / 1000);
    return decimals.empty() ? whole : whole + "." + decimals;
}

std::string JsonName(SettingKind kind)
{
    return RulesOf(kind).jsonName;
}

std::string JsonNames(const std::vector<SettingKind>& kinds)
{
    std::string json;
    for (const SettingKind kind : kinds)
        json += (json.empty() ? "\"" : ",\"") + JsonName(kind) + "\"";
    return "[" + json + "]";
}

std::wstring MillisecondsText(SettingKind kind, DWORD milliseconds)
{
    if (IsOff(kind, milliseconds))
        return Message(IDS_CMD_VALUE_OFF);
    return Message(IDS_CMD_VALUE_SECONDS,
                   {Widened(SecondsJson(kind, milliseconds)), NumberArgument(milliseconds)});
}

std::wstring StoredText(SettingKind kind, const StoredSetting& setting)
{
    if (const auto stored = setting.Milliseconds())
        return MillisecondsText(kind, *stored);
    if (setting.value.exists)
        return OtherFormText(setting.value);
    if (setting.value.error != ERROR_SUCCESS)
        return Message(IDS_CMD_VALUE_UNREADABLE, {NumberArgument(setting.value.error)});
    return Message(IDS_CMD_VALUE_NOT_STORED, {Widened(SecondsJson(kind, setting.dialogReads))});
}

std::wstring SettingsLines(const QueueSettings& settings)
{
    return Message(settings.interval.dialogReads != 0 ? IDS_CMD_STATUS_ON : IDS_CMD_STATUS_OFF) +
           L"\n" + SettingLines(SettingKind::kInterval, settings.interval) +
           SettingLines(SettingKind::kTimeout, settings.timeout);
}

std::string SettingJson(SettingKind kind, const StoredSetting& setting)
{
    const std::string name = "\"" + JsonName(kind);
    const auto stored = setting.Milliseconds();
    std::string json;
    if (stored)
        json = name + "Seconds\":" + SecondsJson(kind, *stored) + "," + name +
               "Ms\":" + std::to_string(*stored) + "," + name + "Default\":false";
    else if (setting.value.exists)
        json = name + "Seconds\":null," + name + "Ms\":null," + name + "Default\":false";
    else
        json = name + "Seconds\":" + SecondsJson(kind, setting.dialogReads) + "," + name +
               "Ms\":" + std::to_string(setting.dialogReads) + "," + name + "Default\":true";
    if (setting.value.error != ERROR_SUCCESS)
        json += "," + name + "ReadError\":" + std::to_string(setting.value.error);
    if (setting.value.exists && !stored)
        json += "," + name + "StoredAs\":{\"type\":\"" + TypeName(setting.value.type) +
                "\",\"bytes\":" + std::to_string(setting.value.bytes.size()) + "}";
    if (const auto view = OtherInDialog(kind, setting))
        json += "," + name + "InDialog\":{\"shows\":" + JsonString(view->shown) +
                ",\"okStoresMs\":" + (view->okStores ? std::to_string(*view->okStores) : "null") +
                "}";
    return json;
}
