#pragma once

// Zero-based column indexes of every table, in stored order; SELECT * readers use these.

namespace fprod {
enum : int { Codeprod, fam, ref, Prod, Um, Qi, Pa, Pvd, Pvg, codefour };
}

// fclient and ffour share one layout.
namespace fpartner {
enum : int { Code, Name, Ad, Tel, Rc, Mf, Art, Nis, Si };
}

namespace fbr {
enum : int {
    Numdoc,
    DateDoc,
    DateNum,
    CodeFour,
    CodeProd,
    Um,
    Qte,
    Pu,
    Mnt,
    ht,
    frais,
    remise,
    ttc,
    modep,
    camion,
    chauf,
    mat
};
}

namespace fbl {
enum : int { Numdoc, DateDoc, DateNum, Codeclient, CodeProd, Um, Qte, Pu, Mnt, camion, chauf, mat };
}

// facv and facp share one layout; facp stops before statut.
namespace facv {
enum : int {
    Numdoc,
    DateDoc,
    DateNum,
    Codeclient,
    CodeProd,
    Um,
    Qte,
    Pu,
    Mnt,
    ht,
    taux,
    tva,
    timbre,
    ttc,
    modep,
    statut
};
}

namespace fbrs {
enum : int { Numdoc, DateDoc, DateNum, CodeProd, Qe, Qs, Obs };
}

// fverclient and fVerFour share one layout.
namespace fpayment {
enum : int { Numdoc, DateDoc, DateNum, Code, mnt, Modep, obs };
}

// fcaisse and fbank share one layout.
namespace fcash {
enum : int { Numdoc, DateDoc, DateNum, rec, dep, obs };
}

namespace fparam {
enum : int { MpUser, TauxTva, ModepBr, ModepFac, Sic, Sib };
}

// Shared value codes.
namespace codes {
inline constexpr int settlementProduct = 9999; // CodeProd of a document's settlement line
inline constexpr const char *cash = "ESPECE";
inline constexpr const char *onAccount = "A TERME";
inline constexpr const char *validInvoice = "1";
inline constexpr const char *cancelledInvoice = "0";
} // namespace codes
