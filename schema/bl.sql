CREATE TABLE fbl (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, Codeclient INTEGER, CodeProd INTEGER, Um TEXT, Qte INTEGER, Pu INTEGER, Mnt INTEGER, camion TEXT, chauf TEXT, mat TEXT);
CREATE INDEX fbl_numdoc ON fbl (Numdoc);
CREATE INDEX fbl_datenum ON fbl (DateNum);
CREATE INDEX fbl_client ON fbl (Codeclient);
CREATE INDEX fbl_prod ON fbl (CodeProd);
