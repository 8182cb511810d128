#pragma once
// The tilted-plane commands of the process menu (drilling, tapping, key
// groove, circle and thread milling on the plane the B axis tilts), and
// the key grooves on the face and the side beside their tilted sibling.

namespace brennvik {

void ProcessMDrillSlant_Click();
void ProcessMTapSlant_Click();
void ProcessMKeyFace_Click();
void ProcessMKeySide_Click();
void ProcessMKeySlant_Click();
void ProcessMCircleSlant_Click();
void ProcessMPlanetTapSlant_Click();

}  // namespace brennvik
