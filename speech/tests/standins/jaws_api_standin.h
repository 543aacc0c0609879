// The class id under which the tests register the stand-in JAWS automation
// object (jaws_api_standin.dll) for the ProgID "FreedomSci.JawsApi".
#pragma once

inline constexpr wchar_t kJawsStandinClsid[] = L"{5E7C2A41-3B9D-4F6A-8C11-0D2E4B6A9F73}";
