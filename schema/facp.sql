CREATE TABLE facp (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, Codeclient INTEGER, CodeProd INTEGER, Um TEXT, Qte INTEGER, Pu INTEGER, Mnt INTEGER, ht INTEGER, taux INTEGER, tva INTEGER, timbre INTEGER, ttc INTEGER, modep TEXT);
CREATE INDEX facp_numdoc ON facp (Numdoc);
CREATE INDEX facp_datenum ON facp (DateNum);
CREATE INDEX facp_client ON facp (Codeclient);
CREATE INDEX facp_prod ON facp (CodeProd);
