#pragma once

#include <string_view>

// The fixed texts and addresses of the application shell.
namespace quarvex::shell::texts {

inline constexpr std::string_view kProductTitle = "Quarvex!, The Financial Calculator";
inline constexpr std::string_view kVersion = "5.00";
inline constexpr std::string_view kStatusText = "Quarvex! v.5.00  05/02/2000";
inline constexpr std::string_view kCopyright = "Copyright \u00a9 2000 Kelvarn Software";
inline constexpr std::string_view kComments = "Helping to make your financial decisions easier.";

inline constexpr std::string_view kReindexWarning =
    "Only reindex the amortization database\r\rif you are experiencing search errors.\r\r\r"
    "Uncheck this option if this is not the case.\r\r\rIf you leave this option checked, the\r\r"
    "loan database will be indexed the\r\rnext time Quarvex! starts.\r";

// Kelvarn Software on the web and by mail.
inline constexpr std::string_view kMakerHomePage = "https://www.kelvarn.example/";
inline constexpr std::string_view kProductHomePage = "https://www.kelvarn.example/quarvex/";
inline constexpr std::string_view kSupportAddress = "support@kelvarn.example";
inline constexpr std::string_view kWhatsNewAddress = "whatsnew@kelvarn.example";

inline constexpr std::string_view kWhatsNewExplanation =
    "Your mail program will now open a new message addressed to our automatic responder "
    "(whatsnew@kelvarn.example).\r\r"
    "Send the message just as it is: the responder answers at once with the latest "
    "information about Quarvex!.\r\r"
    "Please do not write anything in the message; nobody reads it. Questions are welcome "
    "at support@kelvarn.example.";

// Help topics of the main window's menus.
inline constexpr int kHelpOnHelpContext = 98;
// A context number without a page of its own opens the help contents.
inline constexpr int kHelpContentsContext = 0;

} // namespace quarvex::shell::texts
