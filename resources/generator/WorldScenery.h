#pragma once

#include "Drawings.h"

// Shapes that belong to one world's scenery.
namespace draw {

// Birabuto: desert and pyramids
QImage pyramid(const Palette& p, Side side); // Left and Right are the slopes, Middle the peak
QImage cactus(const Palette& p, Part part);  // Top, Middle trunk, Bottom trunk with an arm
QImage sphinx(const Palette& p, int col, int row);
QImage obelisk(const Palette& p, Part part);
QImage urn(const Palette& p);
QImage quicksand(const Palette& p);
QImage reeds(const Palette& p);

// Muda: sea and islands
QImage coral(const Palette& p, bool fan);
QImage seaweed(const Palette& p, bool top);
QImage shell(const Palette& p);
QImage starfish(const Palette& p);
QImage urchin(const Palette& p);
QImage bubbles(const Palette& p);
QImage hull(const Palette& p, bool porthole);
QImage chest(const Palette& p);
QImage pearl(const Palette& p);
QImage glassBlock(const Palette& p);
QImage net(const Palette& p);
QImage buoy(const Palette& p);
QImage ceiling(const Palette& p, bool icicles);
QImage darkRock(const Palette& p);

// Easton: rocks and statues
QImage boulder(const Palette& p, int col, int row);
QImage statue(const Palette& p, int col, int row); // two cells wide, three high
QImage stalagmite(const Palette& p, bool hanging);
QImage crystal(const Palette& p);
QImage fossil(const Palette& p);
QImage arch(const Palette& p, Side side);
QImage crate(const Palette& p);
QImage gateBars(const Palette& p);
QImage rubble(const Palette& p);
QImage grassTuft(const Palette& p);
QImage branch(const Palette& p, Side side);
QImage mossBlock(const Palette& p);

// Chai: sky, temples and bamboo
QImage bamboo(const Palette& p, Part part); // Top leaves, Middle stalk, Bottom node
QImage roof(const Palette& p, Side side);   // a temple roof three cells wide
QImage roofRidge(const Palette& p);
QImage roofTiles(const Palette& p);
QImage eave(const Palette& p, Side side);
QImage lattice(const Palette& p);
QImage templeWall(const Palette& p);
QImage lacquerPillar(const Palette& p, bool top);
QImage goldTile(const Palette& p);
QImage jadeBlock(const Palette& p);
QImage scales(const Palette& p);
QImage lantern(const Palette& p);
QImage battlement(const Palette& p);
QImage pine(const Palette& p, Side side); // Left and Right halves of the crown, Middle the trunk
QImage blossom(const Palette& p);
QImage thunderCloud(const Palette& p);
QImage cloudBlock(const Palette& p);
QImage lionHead(const Palette& p);
QImage drum(const Palette& p);
QImage gong(const Palette& p);
QImage fan(const Palette& p);

} // namespace draw
