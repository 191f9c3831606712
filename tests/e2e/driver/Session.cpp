#include "Session.h"

namespace e2e
{
namespace
{
const UiTexts kEnglish = {
    MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
    "Error",
    "The choosen printer could not be accessed, please check that it still exists as a queue and "
    "try again.",
    "Please start from the printer driver.",
    "The settings could not be saved to the printer. Check that you may change this printer's "
    "settings, then try again.",
    "The settings were saved, but the print spooler could not be restarted. They take effect when "
    "the print spooler or the computer is restarted.",
    "The settings were saved, but the print spooler was stopped and could not be started again. "
    "Printing is stopped until the print spooler is started or the computer is restarted.",
    "Enable",
    "Cancel",
    "[ second ]",
};

const UiTexts kJapanese = {
    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
    "エラー",
    "選択されたプリンタにアクセスできません。プリンタキューが存在することを確認してください。",
    "プリンタドライバのプロパティから起動してください。",
    "設定をプリンタに保存できませんでした。プリンタの設定を変更する権限があることを確認して、もう一"
    "度やり直してください。",
    "設定は保存されましたが、印刷スプーラを再起動できませんでした。設定は印刷スプーラまたはコンピュ"
    "ータの再起動後に有効になります。",
    "設定は保存されましたが、印刷スプーラを停止した後、再び開始できませんでした。印刷スプーラを開始"
    "するかコンピュータを再起動するまで、印刷はできません。",
    "有効",
    "キャンセル",
    "[ 秒 ]",
};

const UiTexts* g_texts = &kEnglish;
} // namespace

bool SelectLanguage(const std::string& name)
{
    if (name == "en")
        g_texts = &kEnglish;
    else if (name == "ja")
        g_texts = &kJapanese;
    else
        return false;
    return true;
}

const UiTexts& Texts()
{
    return *g_texts;
}
} // namespace e2e
