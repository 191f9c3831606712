#include "console/SettingText.h"

#include "console/Messages.h"
#include "resource.h"
#include "settings/BoxText.h"
#include "settings/NumberText.h"

using namespace settings;

namespace
{
struct KindRules
{
    const char* jsonName;
    int minDecimals; // the interval is shown with tenths, the timeout in whole seconds
    UINT line;
    // How the dialog writes the seconds into the box, and what the box's rule makes of them.
    std::wstring (*boxText)(double seconds);
    BoxEntry (*entry)(std::wstring_view text);
    DWORD millisecondsPerStep; // of the spin, whose position OK stores
};

// In the order of SettingKind.
const KindRules kRules[] = {
    {"interval", 1, IDS_CMD_INTERVAL, IntervalText, IntervalEntry, kMillisecondsPerTenth},
    {"timeout", 0, IDS_CMD_TIMEOUT, TimeoutText, TimeoutEntry, kMillisecondsPerSecond},
};

const KindRules& RulesOf(SettingKind kind)
{
    return kRules[static_cast<int>(kind)];
}

bool IsOff(SettingKind kind, DWORD milliseconds)
{
    return kind == SettingKind::kInterval && milliseconds == 0;
}

std::string SecondsJson(SettingKind kind, DWORD milliseconds)
{
    return ExactSeconds(milliseconds, RulesOf(kind).minDecimals);
}

// What the dialog's box shows once the dialog has started on a value it reads, and what OK then
// stores (nothing when OK refuses the text). An interval of 0 is background status off.
struct DialogView
{
    std::wstring shown;
    std::optional<DWORD> okStores;
};

DialogView InDialog(SettingKind kind, DWORD readMilliseconds)
{
    if (IsOff(kind, readMilliseconds))
        return {L"off", 0};
    const KindRules& rules = RulesOf(kind);
    const BoxEntry entry = rules.entry(rules.boxText(MillisecondsToSeconds(readMilliseconds)));
    return {entry.shown, entry.position
                             ? std::optional<DWORD>(*entry.position * rules.millisecondsPerStep)
                             : std::nullopt};
}

std::string TypeName(DWORD type)
{
    static const char* const names[] = {"REG_NONE",
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
                                        "REG_QWORD"};
    return type < std::size(names) ? names[type] : "type " + std::to_string(type);
}

// What the dialog makes of a stored value where that is not the value itself: one stored in
// another form, or a number it shows otherwise or that OK there would not store back as it is.
std::optional<DialogView> OtherInDialog(SettingKind kind, const StoredSetting& setting)
{
    if (!setting.value.exists)
        return std::nullopt;
    DialogView view = InDialog(kind, setting.dialogReads);
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
    if (setting.value.exists)
        return StoredText(kind, setting);
    return Message(IDS_CMD_VALUE_DEFAULT, {Widened(SecondsJson(kind, setting.dialogReads)),
                                           NumberArgument(setting.dialogReads)});
}

std::wstring SettingLines(SettingKind kind, const StoredSetting& setting)
{
    std::wstring text = Message(RulesOf(kind).line, {ShownText(kind, setting)}) + L"\n";
    if (setting.value.error != ERROR_SUCCESS)
        text += Message(IDS_CMD_READ_FAILED_NOTE, {ErrorArgument(setting.value.error)}) + L"\n";
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
        return Message(IDS_CMD_VALUE_OTHER_FORM, {Widened(TypeName(setting.value.type)),
                                                  NumberArgument(setting.value.bytes.size())});
    if (setting.value.error != ERROR_SUCCESS)
        return Message(IDS_CMD_VALUE_UNREADABLE, {ErrorArgument(setting.value.error)});
    return Message(IDS_CMD_VALUE_NOT_STORED, {Widened(SecondsJson(kind, setting.dialogReads))});
}

std::wstring SettingsLines(const QueueSettings& settings)
{
    return Message(settings.interval.dialogReads != 0 ? IDS_CMD_STATUS_ON : IDS_CMD_STATUS_OFF) +
           L"\n" + SettingLines(SettingKind::kInterval, settings.interval) +
           SettingLines(SettingKind::kTimeout, settings.timeout);
}

void AddSettingJson(CJsonObject& json, SettingKind kind, const StoredSetting& setting)
{
    const std::string name = JsonName(kind);
    const auto stored = setting.Milliseconds();
    // What the dialog starts from where nothing is stored or it cannot be read.
    const std::optional<DWORD> milliseconds = stored ? stored
                                              : setting.value.exists
                                                  ? std::nullopt
                                                  : std::optional(setting.dialogReads);
    json.Decimal(name + "Seconds",
                 milliseconds ? std::optional(SecondsJson(kind, *milliseconds)) : std::nullopt)
        .Number(name + "Ms", milliseconds)
        .Flag(name + "Default", !setting.value.exists);
    if (setting.value.error != ERROR_SUCCESS)
        json.Number(name + "ReadError", setting.value.error);
    if (setting.value.exists && !stored)
        json.Object(name + "StoredAs", CJsonObject()
                                           .Text("type", Widened(TypeName(setting.value.type)))
                                           .Number("bytes", setting.value.bytes.size()));
    if (const auto view = OtherInDialog(kind, setting))
        json.Object(name + "InDialog",
                    CJsonObject().Text("shows", view->shown).Number("okStoresMs", view->okStores));
}
