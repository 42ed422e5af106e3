#include "vedic/precise_engine.h"

#include <swephexp.h>

#include <atomic>
#include <mutex>
#include <string>

#include "vedic/precise_library.h"

namespace quendal {
namespace {

// Debian's build keeps the library's state (the ephemeris path, the sidereal mode, the open
// data files and their caches) per thread, so each thread sets its own up once, and again
// after the folder changes. The folder is the one value the threads share.
std::mutex& FolderLock() {
  static std::mutex lock;
  return lock;
}
std::string& Folder() {
  static std::string folder = QUENDAL_EPHEMERIS_DIR;
  return folder;
}
std::atomic<unsigned> folder_changes{1};

void PrepareLibrary() {
  thread_local unsigned prepared = 0;
  const unsigned wanted = folder_changes.load(std::memory_order_acquire);
  if (prepared == wanted) return;
  std::string path;
  {
    std::lock_guard guard(FolderLock());
    path = Folder();
  }
  if (prepared != 0) swe_close();
  swe_set_ephe_path(path.c_str());
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
  prepared = wanted;
}

// The library's mode of each ayanamsha, in the order of AyanamshaSystem.
constexpr int32 kSiderealModes[6] = {SE_SIDM_LAHIRI,     SE_SIDM_KRISHNAMURTI,
                                     SE_SIDM_RAMAN,      SE_SIDM_TRUE_CITRA,
                                     SE_SIDM_YUKTESHWAR, SE_SIDM_FAGAN_BRADLEY};

// The mode is this thread's library state that anyone may set (a test does), so it is set
// before every use.
double LibraryAyanamsha(AyanamshaSystem ayanamsha, double jd_ut, int32 flags) {
  swe_set_sid_mode(kSiderealModes[static_cast<std::size_t>(ayanamsha)], 0, 0);
  double value = 0;
  char error[AS_MAXCH];
  swe_get_ayanamsa_ex_ut(jd_ut, flags, &value, error);
  return value;
}

// Engine order of the planets, then the Moon and the mean node.
constexpr int kPlanetBodies[6] = {SE_MERCURY, SE_VENUS, SE_SUN, SE_MARS, SE_JUPITER, SE_SATURN};

}  // namespace

bool PrecisePositionsBuilt() { return true; }

void PreparePreciseLibrary() { PrepareLibrary(); }

std::optional<double> PreciseSaturn(double jd_ut, bool sidereal) {
  PrepareLibrary();
  char error[AS_MAXCH];
  double out[6];
  // One call in the sidereal mode: the same longitude less the ayanamsha, in half the time
  // of asking for the two apart, which counts when Sade Sati asks thousands of times.
  const int32 flags = SEFLG_SWIEPH | (sidereal ? SEFLG_SIDEREAL : 0);
  if (swe_calc_ut(jd_ut, SE_SATURN, flags, out, error) < 0) return std::nullopt;
  return out[0];
}

void SetEphemerisFolder(const std::string& folder) {
  {
    std::lock_guard guard(FolderLock());
    Folder() = folder;
  }
  folder_changes.fetch_add(1, std::memory_order_release);
}

std::optional<PrecisePositions> ComputePrecisePositions(double jd_ut, double latitude,
                                                        double east_longitude, bool sidereal,
                                                        AyanamshaSystem ayanamsha, NodeKind node) {
  PrepareLibrary();
  PrecisePositions result;
  char error[AS_MAXCH];
  double out[6];
  int32 used = 0;
  for (int k = 0; k < 6; ++k) {
    // Only the five planets need a speed, for their retrograde marks.
    const int32 speed = kPlanetBodies[k] == SE_SUN ? 0 : SEFLG_SPEED;
    used = swe_calc_ut(jd_ut, kPlanetBodies[k], SEFLG_SWIEPH | speed, out, error);
    result.longitudes.planets[static_cast<std::size_t>(k)] = out[0];
    if (speed) {
      const int flag = k < 2 ? k : k - 1;
      result.retrograde[static_cast<std::size_t>(flag)] = out[3] < 0;
    }
  }
  result.from_data_files = used >= 0 && (used & SEFLG_SWIEPH) != 0;
  swe_calc_ut(jd_ut, SE_MOON, SEFLG_SWIEPH, out, error);
  result.longitudes.Moon = out[0];
  swe_calc_ut(jd_ut, node == NodeKind::True ? SE_TRUE_NODE : SE_MEAN_NODE, SEFLG_SWIEPH, out,
              error);
  result.longitudes.Rahu = out[0];
  result.longitudes.Ketu = WrapDegrees(out[0] + 180);
  double cusps[13];
  double angles[10];
  swe_houses_ex(jd_ut, 0, latitude, east_longitude, 'E', cusps, angles);
  result.longitudes.Ascendant = angles[0];
  result.ayanamsha = LibraryAyanamsha(ayanamsha, jd_ut, SEFLG_SWIEPH);
  // The library's sidereal mode gives exactly these longitudes less this ayanamsha; taking it
  // off here spares the library working it out for every body, a quarter of the time. The
  // retrograde marks keep the apparent speeds, so they stay when the zodiac changes.
  if (sidereal) {
    for (double& planet : result.longitudes.planets)
      planet = WrapDegrees(planet - result.ayanamsha);
    for (double* of_date : {&result.longitudes.Moon, &result.longitudes.Rahu,
                            &result.longitudes.Ketu, &result.longitudes.Ascendant})
      *of_date = WrapDegrees(*of_date - result.ayanamsha);
  }
  return result;
}

std::optional<double> MeanAyanamsha(AyanamshaSystem ayanamsha, double jd_ut) {
  PrepareLibrary();
  return LibraryAyanamsha(ayanamsha, jd_ut, SEFLG_SWIEPH | SEFLG_NONUT);
}

}  // namespace quendal
