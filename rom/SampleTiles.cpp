#include "rom/SampleTiles.h"

#include "rom/TileGraphics.h"

#include <initializer_list>
#include <stdexcept>
#include <string_view>

// Pictures are written one character per pixel, shade 0 (the lightest, the sky) to 3 (the
// darkest). Many objects share a picture: a mirror, a flip, a turn or a change of shades makes
// the right half of an object from its left half, a base from a top, a dark block from a light
// one.

namespace rom {

namespace {

using TileArt = std::array<std::string_view, TileSize>;

// Checks a picture while compiling: eight rows of eight shades.
consteval TileArt art(TileArt rows) {
    for (std::string_view row : rows) {
        if (row.size() != TileSize)
            throw std::logic_error("a row of a tile picture is not eight pixels long");
        for (char c : row)
            if (c < '0' || c > '3')
                throw std::logic_error("a tile picture holds something other than a shade");
    }
    return rows;
}

// --- Blocks ------------------------------------------------------------------------------------

constexpr TileArt Brick = art({"33333333", "11131111", "11131111", "33333333", "11111113",
                               "11111113", "33333333", "11131111"});
constexpr TileArt Question = art({"33333333", "31133113", "31311313", "31111313", "31113113",
                                  "31111113", "31113113", "33333333"});
constexpr TileArt HitBlock = art({"33333333", "32222223", "32222223", "32222223", "32222223",
                                  "32222223", "32222223", "33333333"});
constexpr TileArt HardBlock = art({"11111112", "12222223", "12111123", "12122123", "12122123",
                                   "12111123", "12222223", "23333333"});
constexpr TileArt StoneBlock = art({"33333333", "31111123", "31111123", "31111123", "31111123",
                                    "31111123", "32222223", "33333333"});
constexpr TileArt Riveted = art({"33333333", "31222213", "32222223", "32222223", "32222223",
                                 "32222223", "31222213", "33333333"});
constexpr TileArt Cracked = art({"33333333", "31113113", "31131113", "31311113", "31131113",
                                 "31113113", "31111313", "33333333"});
constexpr TileArt Granite = art({"33333333", "31211213", "31121113", "32111213", "31112113",
                                 "31211123", "32112113", "33333333"});
constexpr TileArt Mossy = art({"21212122", "12121213", "31211213", "31111113", "31111113",
                               "31111113", "32222223", "33333333"});
constexpr TileArt Barnacles = art({"33333333", "31113013", "31130313", "31113313", "30311113",
                                   "33031113", "31331113", "33333333"});
constexpr TileArt Glass = art({"33333333", "30000103", "30001003", "30010003", "30100003",
                               "31000013", "30000103", "33333333"});
constexpr TileArt Hidden = art({"20202020", "00000002", "20000000", "00011002", "20011000",
                                "00000002", "20000000", "02020202"});
constexpr TileArt Marker = art({"33333333", "32111123", "31211213", "31122113", "31122113",
                                "31211213", "32111123", "33333333"});
constexpr TileArt Crate = art({"33333333", "33222233", "32322323", "32233223", "32233223",
                               "32322323", "33222233", "33333333"});
constexpr TileArt Gold = art({"33333333", "30111113", "31111123", "31111123", "31111123",
                              "31111123", "31222223", "33333333"});
constexpr TileArt Jade = art({"33333333", "31222223", "32122223", "32212223", "32221223",
                              "32222123", "32222223", "33333333"});
constexpr TileArt Scales = art({"31133113", "12211221", "21122112", "33333333", "13311331",
                                "21122112", "12211221", "33333333"});
constexpr TileArt CloudBlock = art({"22222222", "20000002", "20010002", "20000002", "20000002",
                                    "20000102", "20000002", "22222222"});
constexpr TileArt Dark = art({"33333333", "33333333", "33323333", "33333333", "33333333",
                              "33333333", "33333323", "33333333"});

// --- Carved blocks ----------------------------------------------------------------------------

constexpr TileArt CarvedEye = art({"33333333", "31111113", "31333313", "33100133", "33133133",
                                   "31333313", "31111113", "33333333"});
constexpr TileArt CarvedBird = art({"33333333", "31111113", "31113313", "31131113", "31331113",
                                    "31333113", "31131113", "33333333"});
constexpr TileArt CarvedSun = art({"33333333", "31311313", "31133113", "31333313", "31333313",
                                   "31133113", "31311313", "33333333"});
constexpr TileArt CarvedScarab = art({"33333333", "31133113", "33322333", "31322313", "33322333",
                                      "31333313", "31111113", "33333333"});
constexpr TileArt CarvedAnkh = art({"33333333", "31133113", "31311313", "31133113", "33333333",
                                    "31133113", "31133113", "33333333"});
constexpr TileArt CarvedFace = art({"33333333", "31111113", "31311313", "31111113", "31133113",
                                    "31111113", "31333313", "33333333"});
constexpr TileArt Fossil = art({"33333333", "31111113", "31333313", "31311313", "31313313",
                                "31311113", "31333313", "33333333"});
constexpr TileArt Slit = art({"33333333", "31133113", "31133113", "31133113", "31133113",
                              "31133113", "31111113", "33333333"});

// --- Items and pipes ---------------------------------------------------------------------------

constexpr TileArt Coin = art({"00333300", "03111130", "03121130", "03121130", "03121130",
                              "03121130", "03111130", "00333300"});
constexpr TileArt PipeTop = art({"33333333", "31122222", "31122222", "31122222", "33333333",
                                 "03112222", "03112222", "03112222"});
constexpr TileArt PipeBody = art({"03112222", "03112222", "03112222", "03112222", "03112222",
                                  "03112222", "03112222", "03112222"});

// --- Ground --------------------------------------------------------------------------------------

constexpr TileArt SandTop = art({"33333333", "12111211", "11111111", "11211121", "11111111",
                                 "21112111", "11111111", "11121112"});
constexpr TileArt SandTopLeft = art({"00333333", "03112111", "31111111", "31211121", "31111111",
                                     "32112111", "31111111", "31121112"});
constexpr TileArt Sand = art({"11211121", "11111111", "21112111", "11111111", "12111211",
                              "11111111", "11121112", "11111111"});
constexpr TileArt Stones = art({"11111111", "11331111", "13223111", "11331121", "11111111",
                                "21111331", "11113223", "11111331"});
constexpr TileArt SeaFloorTop = art({"00222000", "22111222", "11111111", "11211111", "11111121",
                                     "12111111", "11111111", "11112111"});
constexpr TileArt RockTop = art({"33333333", "22312223", "21132213", "12213122", "22132221",
                                 "31222132", "22213222", "21322312"});
constexpr TileArt RockTopLeft = art({"00333333", "03223122", "32132213", "31213122", "32132221",
                                     "31222132", "32213222", "31322312"});
constexpr TileArt Rock = art({"22312223", "21132213", "12213122", "22132221", "31222132",
                              "22213222", "21322312", "12222131"});
constexpr TileArt GrassTop = art({"03000300", "32303230", "22232223", "22222222", "33333333",
                                  "11211111", "11111211", "12111111"});
constexpr TileArt GrassTopLeft = art({"00000300", "00003230", "00322223", "03222222", "32333333",
                                      "31211111", "31111211", "32111111"});
constexpr TileArt Soil = art({"11211111", "11111211", "12111111", "11111112", "11121111",
                              "21111111", "11111121", "11211111"});
constexpr TileArt MountainTop = art({"33333333", "22122212", "21212121", "11111111", "11211121",
                                     "11111111", "12111211", "11111111"});
constexpr TileArt MountainTopLeft = art({"00333333", "03221222", "32121212", "31111111", "31211121",
                                         "31111111", "32111211", "31111111"});
constexpr TileArt Quicksand = art({"12211221", "21122112", "11111111", "12211221", "21122112",
                                   "11111111", "12211221", "21122112"});
constexpr TileArt SlopeUp = art({"00000003", "00000032", "00000321", "00003211", "00032111",
                                 "00321111", "03211111", "32111111"});
constexpr TileArt Peak = art({"00033000", "00322300", "03211230", "32111123", "11121111",
                              "11111111", "12111121", "11111111"});
constexpr TileArt CliffLeft = art({"32111111", "31211111", "32111211", "03211111", "32111111",
                                   "31121111", "32111111", "03211121"});
constexpr TileArt Steps = art({"00003333", "00003111", "00003121", "00003111", "33333333",
                               "31113111", "31213121", "31113111"});

// --- Ledges, bridges, rafts, roofs ---------------------------------------------------------------

constexpr TileArt LedgeLeft = art({"03333333", "32111111", "32222222", "03333333", "00032000",
                                   "00003200", "00000320", "00000033"});
constexpr TileArt Ledge = art({"33333333", "11111111", "22222222", "33333333", "00000000",
                               "00000000", "00000000", "00000000"});
constexpr TileArt DeckLeft = art({"03333333", "31222122", "31113111", "03333333", "00000000",
                                  "00000000", "00000000", "00000000"});
constexpr TileArt Deck = art({"33333333", "12221222", "11131113", "33333333", "00000000",
                              "00000000", "00000000", "00000000"});
constexpr TileArt PoleLeft = art({"03333333", "31113111", "32223222", "03333333", "00000000",
                                  "00000000", "00000000", "00000000"});
constexpr TileArt Pole = art({"33333333", "11113111", "22223222", "33333333", "00000000",
                              "00000000", "00000000", "00000000"});
constexpr TileArt RaftLeft = art({"00000000", "00000000", "00000000", "03333333", "32121212",
                                  "31212121", "03333333", "00000000"});
constexpr TileArt Raft = art({"00000000", "00000000", "00000000", "33333333", "12221222",
                              "22122212", "33333333", "00000000"});
constexpr TileArt RopeBridge = art({"00000000", "33000033", "00333300", "00000000", "33333333",
                                    "21212121", "33333333", "00000000"});
constexpr TileArt Post = art({"00333300", "03121230", "03121230", "33333333", "03121230",
                              "03121230", "03121230", "03121230"});
constexpr TileArt Rail = art({"00000000", "00000000", "00000000", "33333333", "22222222",
                              "33333333", "00000000", "00000000"});
constexpr TileArt Girder = art({"33333333", "21000012", "02100120", "00211200", "00211200",
                                "02100120", "21000012", "33333333"});
constexpr TileArt Fence = art({"03000300", "32303230", "33333333", "32303230", "32303230",
                               "33333333", "32303230", "32303230"});
constexpr TileArt RoofLeft = art({"00000033", "00003312", "00331212", "33121212", "12121212",
                                  "21212121", "12121212", "33333333"});
constexpr TileArt Roof = art({"21212121", "21212121", "33333333", "21212121", "21212121",
                              "21212121", "33333333", "21212121"});
constexpr TileArt Ridge = art({"00000000", "00000000", "03333330", "31111113", "33333333",
                               "21212121", "21212121", "21212121"});
constexpr TileArt EaveLeft = art({"30000000", "23000000", "12333333", "21212121", "33333333",
                                  "00000000", "00000000", "00000000"});
constexpr TileArt Battlement = art({"33300333", "31300313", "31300313", "33333333", "31113111",
                                    "31113111", "33333333", "31111131"});
constexpr TileArt Wall = art({"31111113", "31111113", "31111113", "33333333", "31111113",
                              "31111113", "31111113", "31111113"});
constexpr TileArt Lattice = art({"33333333", "30130133", "31031033", "33333333", "30130133",
                                 "31031033", "33333333", "33333333"});

// --- Doors, columns and buildings ----------------------------------------------------------------

constexpr TileArt DoorTop = art({"00333300", "03222230", "32222223", "32222223", "32222223",
                                 "32222223", "32222223", "32222223"});
constexpr TileArt DoorBottom = art({"32222223", "32222223", "32222223", "32221223", "32222223",
                                    "32222223", "32222223", "33333333"});
constexpr TileArt ColumnTop = art({"33333333", "31111113", "33333333", "03121230", "03121230",
                                   "03121230", "03121230", "03121230"});
constexpr TileArt Column = art({"03121230", "03121230", "03121230", "03121230", "03121230",
                                "03121230", "03121230", "03121230"});
constexpr TileArt PillarTop = art({"33333333", "32222223", "33333333", "03221130", "03221130",
                                   "03221130", "03221130", "03221130"});
constexpr TileArt Pillar = art({"03221130", "03221130", "03221130", "03221130", "03221130",
                                "03221130", "03221130", "03221130"});
constexpr TileArt ObeliskTop = art({"00033000", "00322300", "00321300", "03211230", "03121230",
                                    "03211230", "03121230", "03211230"});
constexpr TileArt Obelisk = art({"03121230", "03121230", "03331330", "03121230", "03121230",
                                 "03133130", "03121230", "03121230"});
constexpr TileArt ArchLeft = art({"33333333", "32222222", "32222222", "32223333", "32230000",
                                  "32300000", "32300000", "32300000"});
constexpr TileArt Keystone = art({"33333333", "22311322", "22311322", "33311333", "00033000",
                                  "00000000", "00000000", "00000000"});
constexpr TileArt Gate = art({"33333333", "03030303", "03030303", "03030303", "33333333",
                              "03030303", "03030303", "03030303"});
constexpr TileArt SphinxTop = art({"00000333", "00033212", "00321211", "03212111", "32121311",
                                   "31211111", "32121111", "31211111"});
constexpr TileArt SphinxBottom = art({"32121111", "31211111", "32121113", "31211133", "32121111",
                                      "31211111", "32121111", "33333333"});
constexpr TileArt HeadTop = art({"00033333", "00322222", "03222222", "32222222", "32233333",
                                 "32222222", "32222222", "32222222"});
constexpr TileArt HeadEyes = art({"32222222", "32333322", "32310032", "32333322", "32222223",
                                  "32222232", "32222232", "32222233"});
constexpr TileArt HeadMouth = art({"32222222", "32222222", "32333333", "32311111", "32333333",
                                   "32222222", "03222222", "00333333"});
constexpr TileArt BoulderTop = art({"00003333", "00332222", "03221122", "32211222", "32112222",
                                    "32122222", "32222222", "32222222"});
constexpr TileArt BoulderBottom = art({"32222222", "32222222", "32222222", "32222222", "03222222",
                                       "03222222", "00332222", "00003333"});

// --- Plants --------------------------------------------------------------------------------------

constexpr TileArt Trunk = art({"00312300", "00312300", "00333300", "00312300", "00312300",
                               "00312300", "00333300", "00312300"});
constexpr TileArt LeavesLeft = art({"00000000", "00000333", "00033222", "03322122", "32210033",
                                    "21003220", "30000320", "00000030"});
constexpr TileArt Leaves = art({"00000000", "00333300", "33222233", "22212222", "23322332",
                                "30312303", "00312300", "00312300"});
constexpr TileArt CactusTop = art({"00033000", "00322300", "00321300", "00322300", "00321300",
                                   "00322300", "00321300", "00322300"});
constexpr TileArt Cactus = art({"00322300", "00321300", "00322300", "00321300", "00322300",
                                "00321300", "00322300", "00321300"});
constexpr TileArt CactusArm = art({"00322300", "00321330", "00322323", "00321323", "00322223",
                                   "00321333", "00322300", "00321300"});
constexpr TileArt Reeds = art({"03000300", "33003300", "33003300", "02002000", "02002020",
                               "20202020", "20220200", "02022020"});
constexpr TileArt CoralBranch = art({"30030300", "30030300", "03030030", "03300330", "00303300",
                                     "00333000", "00030000", "00030000"});
constexpr TileArt CoralFan = art({"00333300", "03121230", "31212123", "32121213", "03212130",
                                  "00333300", "00032000", "00032000"});
constexpr TileArt SeaweedTop = art({"00030000", "00323000", "00323000", "00032300", "00032300",
                                    "00323000", "00323000", "00032300"});
constexpr TileArt Seaweed = art({"00032300", "00032300", "00323000", "00323000", "00032300",
                                 "00032300", "00323000", "00323000"});
constexpr TileArt GrassTuft = art({"00000000", "00000000", "00000000", "00300300", "30300303",
                                   "03303030", "03232330", "32323232"});
constexpr TileArt BranchLeft = art({"00000000", "30300000", "03030000", "00333000", "00032333",
                                    "00003222", "00000333", "00000000"});
constexpr TileArt Vine = art({"00032000", "00320000", "02322000", "00032000", "00003200",
                              "00032220", "00032000", "00320000"});
constexpr TileArt Bamboo = art({"00312300", "00312300", "00312300", "00312300", "00312300",
                                "00312300", "00312300", "00312300"});
constexpr TileArt BambooNode = art({"00312300", "00312300", "00312300", "03333330", "03333330",
                                    "00312300", "00312300", "00312300"});
constexpr TileArt BambooLeaves = art({"00312300", "03312330", "20312300", "22312300", "02212300",
                                      "00312322", "00312220", "00312300"});
constexpr TileArt PineLeft = art({"00000003", "00000032", "00000322", "00003222", "00032222",
                                  "00322222", "03222222", "33333333"});
constexpr TileArt Blossom = art({"00000000", "01100010", "13310131", "01133310", "00033100",
                                 "01300310", "13100030", "01000000"});

// --- Water, sky and caves ----------------------------------------------------------------------

constexpr TileArt WaterSurface = art({"00000000", "01100110", "12211221", "11111111", "11111111",
                                      "11121111", "11111111", "11111211"});
constexpr TileArt Water = art({"11111111", "11121111", "11111111", "11111112", "11111111",
                               "11211111", "11111111", "11111121"});
constexpr TileArt Waterfall = art({"12112112", "12112112", "12112121", "12112121", "21121121",
                                   "21121121", "12112112", "12112112"});
constexpr TileArt Bubbles = art({"00000000", "00000220", "00002002", "00002002", "02000220",
                                 "20200000", "02000000", "00000000"});
constexpr TileArt CloudLeft = art({"00000022", "00002200", "00220000", "02000000", "20000000",
                                   "20000000", "02000000", "00222222"});
constexpr TileArt CloudMiddle = art({"02200220", "20022002", "00000000", "00000000", "00000000",
                                     "00000000", "00000000", "22222222"});
constexpr TileArt CloudInside = art({"00000000", "00000000", "00010000", "00000000", "00000000",
                                     "00000100", "00000000", "00000000"});
constexpr TileArt CloudUnderside = art({"00000000", "00000000", "00000000", "00000000", "00000000",
                                        "20000002", "02200220", "00022000"});
constexpr TileArt ThunderCloud = art({"02222220", "22222222", "22222222", "22222222", "02222220",
                                      "00031000", "00310000", "00013000"});
constexpr TileArt Stalactites = art({"22312223", "21132213", "33213223", "32333323", "03200320",
                                     "03200320", "00300030", "00300030"});
constexpr TileArt Stalactite = art({"33333333", "32222223", "03222230", "03221230", "00322300",
                                    "00321300", "00032000", "00030000"});
constexpr TileArt Crystal = art({"00033000", "00311300", "03101130", "31011113", "31111213",
                                 "03112130", "00322300", "00033000"});
constexpr TileArt Rubble = art({"00000000", "00000000", "00000000", "00330000", "03223033",
                                "32213322", "32223222", "33333333"});
constexpr TileArt Spikes = art({"03000300", "03000300", "32303230", "32303230", "32223222",
                                "32223222", "33333333", "33333333"});

// --- Ropes, chains, ladders ----------------------------------------------------------------------

constexpr TileArt Chain = art({"00033000", "00300300", "00300300", "00033000", "00033000",
                               "00300300", "00300300", "00033000"});
constexpr TileArt Ladder = art({"03000030", "03333330", "03000030", "03000030", "03000030",
                                "03333330", "03000030", "03000030"});
constexpr TileArt Rope = art({"00032000", "00023000", "00032000", "00023000", "00032000",
                              "00023000", "00032000", "00023000"});
constexpr TileArt Net = art({"22222222", "20020020", "20020020", "22222222", "20020020", "20020020",
                             "22222222", "20020020"});

// --- Things ------------------------------------------------------------------------------------

constexpr TileArt Torch = art({"00010000", "00121000", "00122100", "00011000", "03333330",
                               "00322300", "00032000", "00032000"});
constexpr TileArt Urn = art({"03333330", "00322300", "03222230", "32212223", "32121223", "32212223",
                             "03222230", "00333300"});
constexpr TileArt Scallop = art({"00000000", "00333300", "03212130", "32121213", "32121213",
                                 "03333330", "00322300", "00033000"});
constexpr TileArt Starfish = art({"00033000", "00322300", "33222233", "03222230", "00322300",
                                  "03233230", "03300330", "00000000"});
constexpr TileArt Urchin = art({"00300300", "30333303", "03222230", "33212233", "33222233",
                                "03222230", "30333303", "00300300"});
constexpr TileArt Planks = art({"33333333", "22212221", "33333333", "12221222", "33333333",
                                "22122212", "33333333", "21222122"});
constexpr TileArt Porthole = art({"22333322", "23100132", "31000013", "31000013", "31000013",
                                  "31000013", "23100132", "22333322"});
constexpr TileArt Buoy = art({"00033000", "00311300", "03333330", "31111113", "33333333",
                              "31111113", "03333330", "00333300"});
constexpr TileArt Chest = art({"03333330", "32222223", "32222223", "33333333", "32213223",
                               "32233223", "32222223", "33333333"});
constexpr TileArt Pearl = art({"00000000", "00033000", "00310300", "00311300", "03333330",
                               "32121213", "03212130", "00333300"});
constexpr TileArt Lantern = art({"00033000", "03333330", "32111123", "31111113", "31111113",
                                 "32111123", "03333330", "00033000"});
constexpr TileArt LionHead = art({"03333330", "33222233", "32322323", "32222223", "32233223",
                                  "32222223", "33322333", "03333330"});
constexpr TileArt Drum = art({"03333330", "32222223", "33333333", "31111113", "31111113",
                              "33333333", "32222223", "03333330"});
constexpr TileArt Gong = art({"33333333", "30000003", "30333303", "33111133", "33111133",
                              "30333303", "30000003", "30000003"});
constexpr TileArt Fan = art({"33333333", "31212123", "03121230", "00321300", "00313000", "00030000",
                             "00030000", "00030000"});

// How a picture is turned before it is written: the right half of an object is the mirror of
// its left half, a base the flip of a top, a side pipe the turn of an upright one.
enum Turn : int { Plain = 0, Mirror = 1, Flip = 2, MirrorFlip = 3, Transpose = 4 };

// `shades` gives the shade each of the picture's shades 0 to 3 is written as.
struct Drawing {
    int code;
    const TileArt& art;
    int turn = Plain;
    std::string_view shades = "0123";
};

using Drawings = std::initializer_list<Drawing>;

// Darker and lighter versions of a picture.
constexpr std::string_view Darker = "0233";
constexpr std::string_view Deeper = "0223";
constexpr std::string_view Swapped = "0213";
constexpr std::string_view Softer = "0122";

const Drawings Universal = {
    {127, Brick},
    {128, Question},
    {129, Question, Plain, "0203"},
    {130, HitBlock},
    {19, HardBlock},
    {244, Coin},
    {112, PipeTop},
    {113, PipeTop, Mirror},
    {114, PipeBody},
    {115, PipeBody, Mirror},
    {116, PipeTop, Transpose},
    {117, PipeTop, Transpose | Mirror},
    {118, PipeBody, Transpose},
    {119, PipeBody, Transpose | Mirror},
    {120, PipeTop, Flip},
    {121, PipeTop, MirrorFlip},
    {33, Girder},
    {36, Brick, Plain, Deeper},
    {37, HardBlock, Plain, "0231"},
    {41, Dark},
    {43, Hidden},
    {95, Rail},
    {142, DoorTop, Plain, "0113"},
    {143, DoorBottom, Plain, "0113"},
    {221, WaterSurface},
    {222, Water},
    {225, Riveted},
    {236, Chain},
    {237, Ladder},
};

const Drawings World1 = {
    {49, SandTopLeft},
    {50, SandTop},
    {51, SandTopLeft, Mirror},
    {52, Sand},
    {53, Stones},
    {54, Brick, Plain, Softer},
    {55, StoneBlock},
    {56, CarvedEye},
    {57, CarvedBird},
    {58, SlopeUp},
    {59, SlopeUp, Mirror},
    {60, Peak},
    {61, CarvedSun},
    {64, ColumnTop},
    {65, Column},
    {66, ColumnTop, Flip},
    {67, Trunk},
    {68, LeavesLeft},
    {69, Leaves},
    {70, LeavesLeft, Mirror},
    {71, CactusTop},
    {72, Cactus},
    {73, CactusArm},
    {74, SphinxTop},
    {75, SphinxTop, Mirror},
    {76, SphinxBottom},
    {77, SphinxBottom, Mirror},
    {78, LedgeLeft},
    {79, Ledge},
    {80, LedgeLeft, Mirror},
    {81, RopeBridge},
    {82, Post},
    {83, Quicksand},
    {85, DoorTop},
    {86, DoorBottom},
    {87, Torch},
    {88, ObeliskTop},
    {89, Obelisk},
    {90, Steps},
    {91, Steps, Mirror},
    {92, Urn},
    {93, CarvedScarab},
    {94, CarvedAnkh},
    {96, HardBlock, Plain, Swapped},
    {97, Cracked},
    {99, Spikes},
    {100, WaterSurface},
    {101, Water},
    {102, Reeds},
    {104, Chain},
    {105, Ladder},
    {106, Fence},
    {107, Slit},
    {109, CliffLeft},
    {110, CliffLeft, Mirror},
    {232, Marker},
};

const Drawings World2 = {
    {49, SeaFloorTop},
    {51, Sand},
    {52, RockTopLeft},
    {53, RockTop},
    {54, RockTopLeft, Mirror},
    {55, Rock},
    {56, StoneBlock},
    {57, CoralBranch},
    {58, CoralFan},
    {59, SeaweedTop},
    {60, Seaweed},
    {61, Scallop},
    {62, Starfish},
    {63, Urchin},
    {64, WaterSurface},
    {65, Water, Plain, Darker},
    {66, Bubbles},
    {67, Post},
    {68, RopeBridge},
    {69, DeckLeft},
    {70, Deck},
    {71, DeckLeft, Mirror},
    {72, Planks},
    {73, Porthole},
    {74, Chain},
    {76, ColumnTop},
    {77, Column},
    {78, ColumnTop, Flip},
    {79, Brick, Plain, Deeper},
    {80, Barnacles},
    {81, Mossy},
    {82, SlopeUp, Plain, Darker},
    {83, SlopeUp, Mirror, Darker},
    {84, SlopeUp},
    {85, SlopeUp, Mirror},
    {86, Trunk},
    {87, LeavesLeft},
    {88, Leaves},
    {89, LeavesLeft, Mirror},
    {90, GrassTopLeft},
    {91, GrassTop},
    {92, GrassTopLeft, Mirror},
    {93, Soil},
    {94, Buoy},
    {96, Stalactites},
    {97, Rock, Plain, Deeper},
    {98, Rock, Plain, "0332"},
    {99, Chest},
    {100, Pearl},
    {101, Glass},
    {102, Spikes},
    {103, Net},
    {104, Ladder},
    {105, Rope},
    {106, Fence},
    {108, RaftLeft},
    {109, Raft},
    {110, RaftLeft, Mirror},
};

const Drawings World3 = {
    {49, GrassTopLeft},
    {50, GrassTop},
    {51, GrassTopLeft, Mirror},
    {52, Rock, Plain, "0112"},
    {53, Stones},
    {54, BoulderTop},
    {55, BoulderTop, Mirror},
    {56, BoulderBottom},
    {57, BoulderBottom, Mirror},
    {58, HeadTop},
    {59, HeadTop, Mirror},
    {60, HeadEyes},
    {61, HeadEyes, Mirror},
    {62, HeadMouth},
    {63, HeadMouth, Mirror},
    {64, SlopeUp, Plain, Deeper},
    {65, SlopeUp, Mirror, Deeper},
    {66, CliffLeft, Plain, Darker},
    {67, CliffLeft, Mirror, Darker},
    {68, Cracked},
    {69, Granite},
    {70, Brick, Plain, Softer},
    {71, Rubble},
    {72, GrassTuft},
    {73, Mossy},
    {76, ColumnTop},
    {77, Column},
    {78, ColumnTop, Flip},
    {79, LedgeLeft},
    {80, Ledge},
    {81, LedgeLeft, Mirror},
    {82, Rock, Plain, Deeper},
    {83, Stalactite},
    {84, Stalactite, Flip},
    {85, Crystal},
    {86, Rock, Plain, "0332"},
    {87, WaterSurface, Plain, Deeper},
    {88, Water, Plain, Darker},
    {89, Trunk, Plain, Darker},
    {90, BranchLeft},
    {91, BranchLeft, Mirror},
    {92, Vine},
    {93, Ladder},
    {94, Chain},
    {96, Spikes},
    {97, Fossil},
    {99, Steps},
    {100, Steps, Mirror},
    {101, CarvedFace},
    {102, ArchLeft},
    {103, Keystone},
    {104, ArchLeft, Mirror},
    {105, Crate},
    {106, RopeBridge},
    {107, Post},
    {108, Torch},
    {109, Gate},
    {110, HardBlock, Plain, Darker},
};

const Drawings World4 = {
    {49, CloudLeft},
    {50, CloudMiddle},
    {51, CloudLeft, Mirror},
    {52, CloudInside},
    {53, CloudUnderside},
    {54, Bamboo},
    {55, BambooNode},
    {56, BambooLeaves},
    {57, PoleLeft},
    {58, Pole},
    {59, PoleLeft, Mirror},
    {61, RoofLeft},
    {62, Roof},
    {63, RoofLeft, Mirror},
    {64, Ridge},
    {65, Pillar},
    {66, PillarTop},
    {67, Lattice},
    {68, Wall},
    {69, DoorTop, Plain, Swapped},
    {70, DoorBottom, Plain, Swapped},
    {71, Gold},
    {72, Jade},
    {73, Scales},
    {74, Lantern},
    {75, Brick, Plain, Deeper},
    {76, Battlement},
    {77, Steps},
    {78, MountainTopLeft},
    {79, MountainTop},
    {81, MountainTopLeft, Mirror},
    {82, Rock, Plain, "0112"},
    {83, SlopeUp},
    {84, SlopeUp, Mirror},
    {85, Trunk},
    {86, PineLeft},
    {87, PineLeft, Mirror},
    {88, Blossom},
    {89, RopeBridge},
    {90, Post},
    {91, Rope},
    {92, Ladder},
    {93, Fence},
    {94, WaterSurface},
    {96, Water},
    {97, Waterfall},
    {99, Spikes},
    {100, CloudBlock},
    {101, ThunderCloud},
    {102, LionHead},
    {103, Drum},
    {104, Gong},
    {105, Fan},
    {106, Roof},
    {107, EaveLeft},
    {108, EaveLeft, Mirror},
    {109, ColumnTop},
    {110, ColumnTop, Flip},
    {111, HardBlock, Plain, Swapped},
    {232, Marker},
};

int shadeAt(const Drawing& drawing, int x, int y) {
    int u = x;
    int v = y;
    if (drawing.turn & Transpose)
        std::swap(u, v);
    if (drawing.turn & Mirror)
        u = TileSize - 1 - u;
    if (drawing.turn & Flip)
        v = TileSize - 1 - v;
    const int shade = drawing.art[static_cast<size_t>(v)][static_cast<size_t>(u)] - '0';
    return drawing.shades[static_cast<size_t>(shade)] - '0';
}

void put(std::vector<uint8_t>& image, long offset, const Drawing& drawing) {
    for (int y = 0; y < TileSize; ++y) {
        uint8_t low = 0;
        uint8_t high = 0;
        for (int x = 0; x < TileSize; ++x) {
            const int shade = shadeAt(drawing, x, y);
            low |= static_cast<uint8_t>((shade & 1) << (TileSize - 1 - x));
            high |= static_cast<uint8_t>((shade >> 1) << (TileSize - 1 - x));
        }
        image[static_cast<size_t>(offset + 2 * y)] = low;
        image[static_cast<size_t>(offset + 2 * y + 1)] = high;
    }
}

} // namespace

void drawSampleTiles(std::vector<uint8_t>& image) {
    const std::array<const Drawings*, 4> worlds = {&World1, &World2, &World3, &World4};
    for (int world = 1; world <= static_cast<int>(worlds.size()); ++world) {
        for (const Drawing& drawing : Universal)
            put(image, *tileOffset(world, drawing.code), drawing);
        for (const Drawing& drawing : *worlds[static_cast<size_t>(world - 1)])
            put(image, *tileOffset(world, drawing.code), drawing);
    }
}

} // namespace rom
