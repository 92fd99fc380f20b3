#pragma once
// Asking the maker's web server whether a newer version of the program
// exists, and the maker's web pages the windows link to.
#include <QString>
#include <cstdint>

class IHttpClient;

// Host (and port) of the maker's web server; tests point it to a local one.
extern QString Maker_Host;
// Milliseconds the version check waits for the connection and for each
// piece of the answer; after that it counts as "no newer version".
extern uint32_t Version_Check_Timeout;

// The version of this program, as the server's answer is compared with it.
inline constexpr char SW_Version[] = "1.000";

// "http://" + Maker_Host + "/home/download/GetversionSW.asp?nomesw=" + SW_Code.
QString Version_Check_Url();
// The download page with the fragment given ("ZT38R12").
QString Download_Page_Url(const QString& Fragment);
// The home page, "/HOME/default.asp?frompg=KQ38R12".
QString Home_Page_Url();
// An anchor element: <a href="Url">Text</a>.
QString Link_Caption(const QString& Url, const QString& Text);

// The version number of a text such as "VER. 1.002": the part after the
// first blank (the whole text without one), trimmed; its characters 1, 3,
// 4 and 5 read as a decimal number (1002). -1 when the part is shorter than
// five characters or those characters are not all digits.
int Conv_Version(const QString& Ver_str);

// True when the server's answer names a version above SW_Version. An empty
// answer and "VER. 0.000" (in any case, blanks around) are not newer.
bool Is_Newer_Version(const QString& Answer);

// GETs the version over HTTP/1.0 through Client (with the Accept and
// User-Agent headers of the check and Version_Check_Timeout) and answers
// Is_Newer_Version. Any failure (no connection, time-out, error status)
// counts as no newer version.
bool Check_Version(IHttpClient& Client);
