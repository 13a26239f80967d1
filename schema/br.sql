CREATE TABLE fbr (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, CodeFour INTEGER, CodeProd INTEGER, Um TEXT, Qte INTEGER, Pu INTEGER, Mnt INTEGER, ht INTEGER, frais INTEGER, remise INTEGER, ttc INTEGER, modep TEXT, camion TEXT, chauf TEXT, mat TEXT);
CREATE INDEX fbr_numdoc ON fbr (Numdoc);
CREATE INDEX fbr_datenum ON fbr (DateNum);
CREATE INDEX fbr_four ON fbr (CodeFour);
CREATE INDEX fbr_prod ON fbr (CodeProd);
