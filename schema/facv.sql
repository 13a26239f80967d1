CREATE TABLE facv (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, Codeclient INTEGER, CodeProd INTEGER, Um TEXT, Qte INTEGER, Pu INTEGER, Mnt INTEGER, ht INTEGER, taux INTEGER, tva INTEGER, timbre INTEGER, ttc INTEGER, modep TEXT, statut INTEGER);
CREATE INDEX facv_numdoc ON facv (Numdoc);
CREATE INDEX facv_datenum ON facv (DateNum);
CREATE INDEX facv_client ON facv (Codeclient);
CREATE INDEX facv_prod ON facv (CodeProd);
