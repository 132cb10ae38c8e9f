#include "pieces.h"

namespace music {

std::vector<NamedPiece> Pieces() {
  return {{"Night", Night()}, {"Day", Day()},   {"Tea House", TeaHouse()},
          {"Festival", Festival()}, {"Rain", Rain()}, {"Dawn", Dawn()}};
}

}  // namespace music
