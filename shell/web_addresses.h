// Every web address the program opens, in one place. All pages live on the maker's site;
// only the coordinate lookup goes to a public search engine, which finds places anywhere.
#pragma once

namespace quendal {

inline constexpr char kHomePageUrl[] = "https://www.quendal.example/";
inline constexpr char kOnlineHelpUrl[] = "https://www.quendal.example/help/";
inline constexpr char kDownloadPageUrl[] = "https://www.quendal.example/download/";
inline constexpr char kDonatePageUrl[] = "https://www.quendal.example/donate/";
inline constexpr char kFullBrandPageUrl[] = "https://www.quendal.example/branding/full/";
inline constexpr char kCoBrandPageUrl[] = "https://www.quendal.example/branding/co-brand/";

// The percent-encoded query is appended to this.
inline constexpr char kCoordinateSearchUrl[] = "https://duckduckgo.com/?q=";

}  // namespace quendal
